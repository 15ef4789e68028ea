#include "game/minigames/shooter/ShooterConfig.hpp"

#include "engine/core/XmlFile.hpp"

int ShooterConfig::speedOf(int lineIndex) {
    static const int speeds[] = {1, 3, 4};
    return lineIndex >= 0 && lineIndex < 3 ? speeds[lineIndex] : 0;
}

bool ShooterConfig::load(const std::string& path) {
    XmlFile file(path, "Minigame");
    const tinyxml2::XMLElement* root = file.root();
    if (!root) {
        return false;
    }
    imagePath = XmlFile::text(root, "imagePath");
    itemPath = XmlFile::text(root, "itemPath");
    std::vector<const tinyxml2::XMLElement*> lineElements;
    for (const tinyxml2::XMLElement* e = root->FirstChildElement("TargetLine"); e;
         e = e->NextSiblingElement("TargetLine")) {
        Line line;
        line.y = XmlFile::number(e, "topLeftY", -1);
        line.width = XmlFile::number(e, "width", -1);
        line.height = XmlFile::number(e, "height", -1);
        const std::string orientation = XmlFile::text(e, "orientation");
        const int index = static_cast<int>(lines.size());
        line.speed = XmlFile::number(e, "speed", speedOf(index));
        if (index >= MaxLines) {
            file.warn(e, "there are more than " + std::to_string(MaxLines) + " TargetLine elements");
            return false;
        }
        if (line.y < 0 || line.width < 1 || line.height < 1) {
            file.warn(e, "the TargetLine needs topLeftY, width and height, none of them negative or zero");
            return false;
        }
        if (line.y > MaxExtent || line.width > MaxExtent || line.height > MaxExtent) {
            file.warn(e, "the TargetLine's topLeftY, width and height should be at most " +
                             std::to_string(MaxExtent) + " pixels");
            return false;
        }
        if (orientation != "left" && orientation != "right") {
            file.warn(e, "the orientation \"" + orientation + "\" should be left or right");
            return false;
        }
        if (line.speed > MaxSpeed) {
            file.warn(e, "the TargetLine's speed is " + std::to_string(line.speed) + ": it should be at most " +
                             std::to_string(MaxSpeed));
            return false;
        }
        if (line.speed <= 0) {
            file.warn(e, "the TargetLine's speed is " + std::to_string(line.speed) +
                             ": it needs a speed above 0 (only the first three lines have one of their own)");
            return false;
        }
        line.orientation = orientation == "right" ? 1 : 0;
        line.fileLine = e->GetLineNum();
        lines.push_back(line);
        lineElements.push_back(e);
    }
    if (lines.empty()) {
        file.warn(root, "the gallery has no TargetLine");
        return false;
    }
    std::vector<int> counts(lines.size(), 0);
    for (const tinyxml2::XMLElement* e = root->FirstChildElement("LineItem"); e;
         e = e->NextSiblingElement("LineItem")) {
        if (!file.hasAll(e, {"id", "targetLineId", "fileName"})) {
            return false;
        }
        Item item;
        item.id = XmlFile::number(e, "id", -1);
        item.line = XmlFile::number(e, "targetLineId", -1);
        item.fileName = XmlFile::text(e, "fileName");
        item.fileLine = e->GetLineNum();
        if (item.line < 0 || item.line >= static_cast<int>(lines.size())) {
            file.warn(e, "the LineItem names line " + std::to_string(item.line) + ", which is not a TargetLine");
            return false;
        }
        int& count = counts[static_cast<std::size_t>(item.line)];
        if (item.id != count) {
            file.warn(e, "the LineItem's id " + std::to_string(item.id) + " should be " + std::to_string(count) +
                             ", its place on line " + std::to_string(item.line));
            return false;
        }
        ++count;
        items.push_back(item);
    }
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (counts[i] == 0) {
            file.warn(lineElements[i], "the TargetLine has no LineItem to carry");
            return false;
        }
    }
    return true;
}
