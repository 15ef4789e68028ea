#include "engine/config/Config.hpp"

#include "engine/core/ContentPath.hpp"
#include "engine/core/XmlFile.hpp"

namespace {

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
    const XmlFile file(path, "Config");
    const tinyxml2::XMLElement* root = file.root();
    if (root == nullptr) {
        return false;
    }
    const tinyxml2::XMLElement* application = child(root, "Application");
    const tinyxml2::XMLElement* resolution = child(application, "ScreenResolution");
    if (resolution != nullptr) {
        width_ = XmlFile::number(resolution, "width");
        height_ = XmlFile::number(resolution, "height");
        bitDepth_ = XmlFile::number(resolution, "bitDepth");
        hasResolution_ = true;
    }
    if (width_ <= 0 || height_ <= 0) {
        file.warn(resolution ? resolution : root,
                  "the configuration needs a ScreenResolution with a width and a height");
    }
    if (const tinyxml2::XMLElement* e = child(application, "WindowCaption")) {
        windowCaption_ = XmlFile::text(e, "name");
    }
    if (const tinyxml2::XMLElement* e = child(root, "Savegame")) {
        saveGameFolder_ = XmlFile::text(e, "folder");
        saveGameFileName_ = XmlFile::text(e, "filename");
    }
    if (const tinyxml2::XMLElement* e = child(root, "Credits")) {
        creditsFile_ = XmlFile::text(e, "filename");
        creditsLine_ = e->GetLineNum();
    }
    if (const tinyxml2::XMLElement* e = child(root, "SurveyURL")) {
        surveyUrl_ = XmlFile::text(e, "URL");
    }
    const tinyxml2::XMLElement* language = child(root, "Language");
    if (language != nullptr) {
        activeLanguage_ = XmlFile::text(language, "active");
        labelsFile_ = XmlFile::text(language, "labels");
        labelsLine_ = language->GetLineNum();
    }
    if (labelsFile_.empty()) {
        file.warn(language ? language : root, "the configuration names no labels file");
    }
    if (const tinyxml2::XMLElement* logos = child(root, "LogoScreens")) {
        for (const tinyxml2::XMLElement* e = logos->FirstChildElement("Screen"); e != nullptr;
             e = e->NextSiblingElement("Screen")) {
            logoScreens_.push_back(LogoScreen{XmlFile::text(e, "type"), XmlFile::text(e, "folder"),
                                              XmlFile::text(e, "filename"), e->GetLineNum()});
        }
    }
    if (const tinyxml2::XMLElement* cursors = child(root, "MouseCursors")) {
        cursorFolder_ = XmlFile::text(cursors, "folder");
        for (const tinyxml2::XMLElement* e = cursors->FirstChildElement("Cursor"); e != nullptr;
             e = e->NextSiblingElement("Cursor")) {
            cursors_.push_back(Cursor{XmlFile::number(e, "id"), XmlFile::text(e, "imageFile"), e->GetLineNum()});
        }
    }
    currentCursor_ = -1;
    if (const tinyxml2::XMLElement* e = child(root, "Volume")) {
        soundVolume_ = XmlFile::number(e, "soundVolume");
        musicVolume_ = XmlFile::number(e, "musicVolume");
    }
    if (const tinyxml2::XMLElement* e = child(root, "FullscreenMode")) {
        const std::string mode = XmlFile::text(e, "mode");
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
