#include "game/story/pieces/PiecesFile.hpp"

#include <cstdio>
#include <tinyxml2.h>

#include "engine/core/ContentPath.hpp"
#include "engine/core/XmlNumber.hpp"

bool PiecesFile::load(const std::string& fileName) {
    imagePath_.clear();
    bigPiecesPath_.clear();
    pieces_.clear();
    pieceIds_.clear();
    tinyxml2::XMLDocument document;
    if (document.LoadFile(ContentPath::resolve(fileName).c_str()) != tinyxml2::XML_SUCCESS) {
        std::printf("Pieces file %s: %s\n", fileName.c_str(), document.ErrorStr());
        return false;
    }
    const tinyxml2::XMLElement* root = document.RootElement();
    if (!root || std::string(root->Name()) != "Scene") {
        std::printf("Pieces file %s: the root element is not Scene\n", fileName.c_str());
        return false;
    }
    const char* path = root->Attribute("path");
    const char* bigPath = root->Attribute("bigPiecesPath");
    imagePath_ = path ? path : "";
    bigPiecesPath_ = bigPath ? bigPath : "";
    bool drawable = !imagePath_.empty() && !bigPiecesPath_.empty();
    for (const auto* item = root->FirstChildElement("Item"); item; item = item->NextSiblingElement("Item")) {
        const char* id = item->Attribute("id");
        if (!id) {
            break;
        }
        pieceIds_.push_back(XmlNumber::leadingInt(id));
        const char* image = item->Attribute("image");
        const char* x = item->Attribute("x");
        const char* y = item->Attribute("y");
        drawable = drawable && image && *image && x && y;
        if (drawable) {
            pieces_.push_back(Piece{pieceIds_.back(), image, XmlNumber::leadingInt(x), XmlNumber::leadingInt(y)});
        }
    }
    return true;
}

std::string PiecesFile::bigPieceImage(int id) const {
    // Wide enough for the largest id a file can give.
    const long long number = id + 1LL;
    return bigPiecesPath_ + (number < 10 ? "Piece0" : "Piece") + std::to_string(number) + ".png";
}
