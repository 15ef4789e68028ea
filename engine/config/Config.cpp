#include "engine/config/Config.hpp"

#include <cstdlib>
#include <iostream>

#include <tinyxml2.h>

#include "engine/core/ContentPath.hpp"

namespace {

// A missing attribute reads as empty text.
std::string text(const tinyxml2::XMLElement* element, const char* name) {
    const char* value = element->Attribute(name);
    return value == nullptr ? std::string() : std::string(value);
}

// Leading decimal digits; 0 when there are none or the attribute is missing.
int number(const tinyxml2::XMLElement* element, const char* name) {
    const char* value = element->Attribute(name);
    return value == nullptr ? 0 : std::atoi(value);
}

const tinyxml2::XMLElement* child(const tinyxml2::XMLElement* parent, const char* name) {
    return parent == nullptr ? nullptr : parent->FirstChildElement(name);
}

}  // namespace

const std::string& Config::getContentFolder() const {
    return ContentPath::folder();
}

void Config::setContentFolder(const std::string& folder) {
    ContentPath::setFolder(folder);
}

void Config::reset() {
    ContentPath::setFolder(std::string());
    SingletonContainer<Config>::reset();
}

bool Config::load(const std::string& path) {
    const std::string file = ContentPath::resolve(path);
    tinyxml2::XMLDocument document;
    if (document.LoadFile(file.c_str()) != tinyxml2::XML_SUCCESS) {
        std::cout << file << ": cannot read the configuration: " << document.ErrorStr() << "\n";
        return false;
    }
    const tinyxml2::XMLElement* root = document.FirstChildElement("Config");
    if (root == nullptr) {
        std::cout << file << ": no Config element\n";
        return false;
    }
    const tinyxml2::XMLElement* application = child(root, "Application");
    if (const tinyxml2::XMLElement* e = child(application, "ScreenResolution")) {
        width_ = number(e, "width");
        height_ = number(e, "height");
        bitDepth_ = number(e, "bitDepth");
        hasResolution_ = true;
    }
    if (const tinyxml2::XMLElement* e = child(application, "WindowCaption")) {
        windowCaption_ = text(e, "name");
    }
    if (const tinyxml2::XMLElement* e = child(root, "Savegame")) {
        saveGameFolder_ = text(e, "folder");
        saveGameFileName_ = text(e, "filename");
    }
    if (const tinyxml2::XMLElement* e = child(root, "Credits")) {
        creditsFile_ = text(e, "filename");
    }
    if (const tinyxml2::XMLElement* e = child(root, "SurveyURL")) {
        surveyUrl_ = text(e, "URL");
    }
    if (const tinyxml2::XMLElement* e = child(root, "Language")) {
        activeLanguage_ = text(e, "active");
        labelsFile_ = text(e, "labels");
    }
    if (const tinyxml2::XMLElement* logos = child(root, "LogoScreens")) {
        for (const tinyxml2::XMLElement* e = logos->FirstChildElement("Screen"); e != nullptr;
             e = e->NextSiblingElement("Screen")) {
            logoScreens_.push_back(LogoScreen{text(e, "type"), text(e, "folder"), text(e, "filename")});
        }
    }
    if (const tinyxml2::XMLElement* cursors = child(root, "MouseCursors")) {
        cursorFolder_ = text(cursors, "folder");
        for (const tinyxml2::XMLElement* e = cursors->FirstChildElement("Cursor"); e != nullptr;
             e = e->NextSiblingElement("Cursor")) {
            cursors_.push_back(Cursor{number(e, "id"), text(e, "imageFile")});
        }
    }
    currentCursor_ = -1;
    if (const tinyxml2::XMLElement* e = child(root, "Volume")) {
        soundVolume_ = number(e, "soundVolume");
        musicVolume_ = number(e, "musicVolume");
    }
    if (const tinyxml2::XMLElement* e = child(root, "FullscreenMode")) {
        const std::string mode = text(e, "mode");
        if (mode == "auto") {
            fullScreenMode_ = FullScreenAuto;
        } else if (mode == "windowed") {
            fullScreenMode_ = FullScreenWindowed;
        } else if (mode == "fullScreen") {
            fullScreenMode_ = FullScreenOn;
        }
    }
    return true;
}

bool Config::setCursor(int index) {
    if (!cursorDisplay_ || index < 0 || index >= static_cast<int>(cursors_.size())) {
        return false;
    }
    currentCursor_ = index;
    return cursorDisplay_(ContentPath::resolve(cursorFolder_ + cursors_[index].imageFile));
}
