#include "game/minigames/memory/MemoryBoard.hpp"

#include "engine/core/XmlFile.hpp"

bool MemoryBoard::load(const std::string& path) {
    const XmlFile file(path, "Game");
    const tinyxml2::XMLElement* game = file.root();
    if (!game || !file.hasAll(game, {"background", "card", "cardFlipped", "cardOver"})) {
        return false;
    }
    imagePath = XmlFile::text(game, "imagePath");
    background = XmlFile::text(game, "background");
    card = XmlFile::text(game, "card");
    cardFlipped = XmlFile::text(game, "cardFlipped");
    cardOver = XmlFile::text(game, "cardOver");
    deltaX = XmlFile::number(game, "deltaX", -1);
    deltaY = XmlFile::number(game, "deltaY", -1);
    rows = XmlFile::number(game, "itemsInColumn", -1);
    columns = XmlFile::number(game, "itemsInRow", -1);
    faces.clear();
    for (const tinyxml2::XMLElement* e = game->FirstChildElement("Image"); e; e = e->NextSiblingElement("Image")) {
        if (!file.hasAll(e, {"imagePath"})) {
            return false;
        }
        faces.push_back(XmlFile::text(e, "imagePath"));
    }
    if (rows < 1 || columns < 1 || rows > MaxCards || columns > MaxCards || cardCount() > MaxCards) {
        file.warn(game, "the grid needs itemsInColumn and itemsInRow from 1 up, at most " +
                            std::to_string(MaxCards) + " cards in all");
        return false;
    }
    if (cardCount() % 2 != 0) {
        file.warn(game, "the grid holds " + std::to_string(cardCount()) + " cards: one would have no pair");
        return false;
    }
    if (static_cast<int>(faces.size()) < pairCount()) {
        file.warn(game, "the " + std::to_string(pairCount()) + " pairs need as many Image faces, there are " +
                            std::to_string(faces.size()));
        return false;
    }
    return true;
}

std::vector<std::string> MemoryBoard::pictures() const {
    std::vector<std::string> all{imagePath + background, imagePath + card, imagePath + cardFlipped,
                                 imagePath + cardOver};
    for (const std::string& face : faces) {
        all.push_back(imagePath + face);
    }
    return all;
}
