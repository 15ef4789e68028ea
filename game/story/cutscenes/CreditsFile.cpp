#include "game/story/cutscenes/CreditsFile.hpp"

#include "engine/core/XmlFile.hpp"

namespace {

unsigned char channel(const XmlFile& file, const tinyxml2::XMLElement* element, const char* name) {
    const int value = XmlFile::number(element, name, 255);
    if (value < 0 || value > 255) {
        file.warn(element, std::string(name) + " " + std::to_string(value) + " is outside 0..255");
        return static_cast<unsigned char>(value < 0 ? 0 : 255);
    }
    return static_cast<unsigned char>(value);
}

}  // namespace

bool CreditsFile::load(const std::string& path) {
    *this = CreditsFile();
    const XmlFile file(path, "Credits");
    const tinyxml2::XMLElement* root = file.root();
    if (!root) {
        return false;
    }
    globalTiming = XmlFile::number(root, "GlobalTiming", DefaultTiming);
    if (globalTiming <= 0) {
        file.warn(root, "GlobalTiming must be a positive number of milliseconds");
        globalTiming = DefaultTiming;
    }
    startX = XmlFile::number(root, "StartX", DefaultStartX);
    background = XmlFile::text(root, "background");
    if (!background.empty() && !file.needsFile(root, background, "the background")) {
        background.clear();
    }
    for (const tinyxml2::XMLElement* element = root->FirstChildElement("TextLine"); element;
         element = element->NextSiblingElement("TextLine")) {
        if (!file.hasAll(element, {"string"})) {
            continue;
        }
        Line line;
        line.text = XmlFile::text(element, "string");
        line.color = Color(channel(file, element, "colorR"), channel(file, element, "colorG"),
                           channel(file, element, "colorB"), channel(file, element, "colorA"));
        line.line = element->GetLineNum();
        lines.push_back(line);
    }
    if (lines.empty()) {
        file.warn(root, "the credits have no TextLine");
    }
    return true;
}
