#include "game/story/map/MapFile.hpp"

#include "engine/core/XmlFile.hpp"

bool MapFile::load(const std::string& fileName) {
    path_.clear();
    pins_.clear();
    const XmlFile file(fileName, "MapScreen");
    const tinyxml2::XMLElement* root = file.root();
    if (!root) {
        return false;
    }
    path_ = XmlFile::text(root, "path");
    const tinyxml2::XMLElement* buttons = root->FirstChildElement("Buttons");
    if (!buttons) {
        file.warn(root, "the MapScreen has no Buttons; the map shows no pins");
        return false;
    }
    for (const auto* button = buttons->FirstChildElement("Button"); button;
         button = button->NextSiblingElement("Button")) {
        const int sceneId = XmlFile::number(button, "sceneId", -1);
        if (sceneId < 0) {
            file.warn(button, "the Button needs a sceneId of 0 or more; it is skipped");
            continue;
        }
        if (!file.hasAll(button, {"buttonN", "buttonO"}, "the Button of scene " + std::to_string(sceneId))) {
            continue;
        }
        pins_.push_back(Pin{sceneId, XmlFile::number(button, "x"), XmlFile::number(button, "y"),
                            XmlFile::text(button, "buttonN"), XmlFile::text(button, "buttonO"),
                            button->GetLineNum()});
    }
    return !pins_.empty();
}

const MapFile::Pin* MapFile::find(int sceneId) const {
    for (const Pin& pin : pins_) {
        if (pin.sceneId == sceneId) {
            return &pin;
        }
    }
    return nullptr;
}
