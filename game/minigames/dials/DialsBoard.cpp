#include "game/minigames/dials/DialsBoard.hpp"

#include "engine/core/XmlFile.hpp"

bool DialsBoard::load(const std::string& path) {
    XmlFile file(path, "Game");
    const tinyxml2::XMLElement* game = file.root();
    if (!game || !file.hasAll(game, {"background", "NumberOfDials", "DialsPosX", "DialsPosY"})) {
        return false;
    }
    imagePath = XmlFile::text(game, "imagePath");
    background = XmlFile::text(game, "background");
    tolerance = XmlFile::real(game, "AngleTolerance", 1.0f);
    factor = XmlFile::real(game, "RotationFactor", 1.0f);
    x = XmlFile::number(game, "DialsPosX");
    y = XmlFile::number(game, "DialsPosY");
    hasFinal = game->BoolAttribute("hasFinal", false);
    const int count = XmlFile::number(game, "NumberOfDials");
    if (count < 1 || count > MaxDials) {
        file.warn(game, "NumberOfDials " + std::to_string(count) + " should be 1 to " + std::to_string(MaxDials));
        return false;
    }
    if (!(tolerance > 0.0f && tolerance < 90.0f) || !(factor > 0.0f && factor <= 10.0f)) {
        file.warn(game, "AngleTolerance should lie between 0 and 90 and RotationFactor between 0 and 10, both above 0");
        return false;
    }
    if (hasFinal) {
        finalBackground = XmlFile::text(game, "finalBackground");
        if (finalBackground.empty()) {
            file.warn(game, "hasFinal is set but finalBackground names no picture");
            return false;
        }
    }
    for (const tinyxml2::XMLElement* e = game->FirstChildElement("Piece"); e && dialCount() < count;
         e = e->NextSiblingElement("Piece")) {
        const std::string picture = XmlFile::text(e, "imgDial");
        if (picture.empty()) {
            file.warn(e, "the Piece names no ring picture (imgDial)");
            return false;
        }
        dials.push_back(picture);
        dialLines.push_back(e->GetLineNum());
    }
    if (dialCount() < count) {
        file.warn(game, "NumberOfDials is " + std::to_string(count) + " but there are only " +
                            std::to_string(dialCount()) + " Piece elements");
        return false;
    }
    return true;
}

std::vector<std::string> DialsBoard::pictures() const {
    std::vector<std::string> all{imagePath + background};
    for (const std::string& dial : dials) {
        all.push_back(imagePath + dial);
    }
    if (hasFinal) {
        all.push_back(imagePath + finalBackground);
    }
    return all;
}
