#include "game/story/pieces/PiecesFile.hpp"

#include "engine/core/XmlFile.hpp"

bool PiecesFile::load(const std::string& fileName) {
    imagePath_.clear();
    bigPiecesPath_.clear();
    pieces_.clear();
    pieceIds_.clear();
    const XmlFile file(fileName, "Scene");
    const tinyxml2::XMLElement* root = file.root();
    if (!root) {
        return false;
    }
    imagePath_ = XmlFile::text(root, "path");
    bigPiecesPath_ = XmlFile::text(root, "bigPiecesPath");
    bool drawable = !imagePath_.empty() && !bigPiecesPath_.empty();
    for (const auto* item = root->FirstChildElement("Item"); item; item = item->NextSiblingElement("Item")) {
        const char* id = item->Attribute("id");
        if (!id) {
            file.warn(item, "the Item lacks id; the pieces from here on are not read");
            break;
        }
        pieceIds_.push_back(XmlFile::number(item, "id"));
        const char* image = item->Attribute("image");
        const char* x = item->Attribute("x");
        const char* y = item->Attribute("y");
        if (drawable && !(image && *image && x && y)) {
            file.warn(item, "the Item needs an image, x and y; the pictures from here on are not shown");
            drawable = false;
        }
        if (drawable) {
            pieces_.push_back(Piece{pieceIds_.back(), image, XmlFile::number(item, "x"), XmlFile::number(item, "y"),
                                    item->GetLineNum()});
        }
    }
    return true;
}

std::string PiecesFile::bigPieceImage(int id) const {
    // Wide enough for the largest id a file can give.
    const long long number = id + 1LL;
    return bigPiecesPath_ + (number < 10 ? "Piece0" : "Piece") + std::to_string(number) + ".png";
}
