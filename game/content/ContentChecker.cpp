#include "game/content/ContentChecker.hpp"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <vector>

#include "game/content/FontCheck.hpp"
#include "game/content/LabelCheck.hpp"
#include "game/content/SceneCheck.hpp"

namespace {

using tinyxml2::XMLElement;

std::string trim(const std::string& text) {
    const char* space = " \t\r\n\v\f";
    const std::size_t first = text.find_first_not_of(space);
    return first == std::string::npos ? "" : text.substr(first, text.find_last_not_of(space) - first + 1);
}

std::string attribute(const XMLElement* e, const char* name) {
    const char* value = e ? e->Attribute(name) : nullptr;
    return value ? value : "";
}

}  // namespace

ContentChecker::ContentChecker(const std::string& folder) : files_(folder, report_) {}

const std::map<std::string, bool>& ContentChecker::tuningKeys() {
    static const std::map<std::string, bool> keys = {
        {"PlayerName.Length", true},
        {"StackedRenderer.Configuration1.rows", true},
        {"StackedRenderer.Configuration1.columns", true},
        {"SilhouetteRenderer.RenderedItemNameCount", true},
        {"SilhouetteRenderer.SilhouetteWidth", true},
        {"SilhouetteRenderer.BgPosX", true},
        {"SilhouetteRenderer.BgPosY", true},
        {"Game.Images.Silhouettes.Prefix", false},
        {"Points.ItemFound", true},
        {"Points.GoldBadgeBonusPoints", true},
        {"Points.SilverBadgeBonusPoints", true},
        {"Points.BronzeBadgeBonusPoints", true},
        {"Points.TimePortalPermanentlyOpen", true},
        {"HOScene.FadeInTransition", true},
        {"HOScene.FadeOutTransition", true},
        {"HOScene.HintBtn.FillUpDuratin.Normal", true},
        {"MiniGameBase.SkipBtn.CountDownDuration.Normal", true},
        {"MgShooter.FirstLineValue", true},
        {"MgShooter.SecondLineValue", true},
        {"MgShooter.ThirdLineValue", true},
    };
    return keys;
}

ContentReport ContentChecker::run() {
    const std::string language = checkConfig();
    checkParameters();
    FontCheck fonts(files_);
    fonts.run();
    LabelCheck labels(files_);
    labels.load();
    checkSounds();
    checkAnimations();
    checkFlow();
    SceneCheck(files_, labels, parameters_, language).run();
    labels.finish(fonts.glyphs());
    return report_;
}

std::string ContentChecker::checkConfig() {
    const std::string file = "content/config/config.xml";
    tinyxml2::XMLDocument document;
    if (!files_.loadXml(document, file)) {
        return "EN";
    }
    const XMLElement* root = document.FirstChildElement("Config");
    if (!root) {
        report_.add(files_.path(file), 1, "the configuration needs the root element Config");
        return "EN";
    }
    const XMLElement* application = root->FirstChildElement("Application");
    const XMLElement* resolution = application ? application->FirstChildElement("ScreenResolution") : nullptr;
    if (!resolution || resolution->IntAttribute("width") <= 0 || resolution->IntAttribute("height") <= 0) {
        report_.add(files_.path(file), resolution ? resolution->GetLineNum() : root->GetLineNum(),
                    "the configuration needs a ScreenResolution with a width and a height");
    }
    const XMLElement* language = root->FirstChildElement("Language");
    if (!language || attribute(language, "labels").empty()) {
        report_.add(files_.path(file), language ? language->GetLineNum() : root->GetLineNum(),
                    "the configuration names no labels file");
    } else {
        files_.require(attribute(language, "labels"), file, language->GetLineNum(), "the labels file");
    }
    const XMLElement* cursors = root->FirstChildElement("MouseCursors");
    for (const XMLElement* c = cursors ? cursors->FirstChildElement("Cursor") : nullptr; c;
         c = c->NextSiblingElement("Cursor")) {
        files_.require(attribute(cursors, "folder") + attribute(c, "imageFile"), file, c->GetLineNum(),
                       "the cursor image");
    }
    const XMLElement* credits = root->FirstChildElement("Credits");
    if (credits && !attribute(credits, "filename").empty() &&
        files_.require(attribute(credits, "filename"), file, credits->GetLineNum(), "the credits file")) {
        checkCredits(attribute(credits, "filename"));
    }
    const XMLElement* logos = root->FirstChildElement("LogoScreens");
    for (const XMLElement* s = logos ? logos->FirstChildElement("Screen") : nullptr; s;
         s = s->NextSiblingElement("Screen")) {
        std::string folder = attribute(s, "folder");
        if (!folder.empty() && folder.back() != '/') {
            folder += "/";
        }
        files_.require(folder + attribute(s, "filename"), file, s->GetLineNum(), "the logo screen");
    }
    const std::string active = attribute(language, "active");
    return active.empty() ? "EN" : active;
}

void ContentChecker::checkCredits(const std::string& contentPath) {
    tinyxml2::XMLDocument document;
    if (!files_.loadXml(document, contentPath)) {
        return;
    }
    const XMLElement* root = document.FirstChildElement("Credits");
    if (!root) {
        report_.add(files_.path(contentPath), 1, "the credits need the root element Credits");
        return;
    }
    if (!attribute(root, "background").empty()) {
        files_.require(attribute(root, "background"), contentPath, root->GetLineNum(), "the background");
    }
    for (const XMLElement* line = root->FirstChildElement("TextLine"); line; line = line->NextSiblingElement("TextLine")) {
        if (!line->Attribute("string")) {
            report_.add(files_.path(contentPath), line->GetLineNum(), "a TextLine needs a string");
        }
    }
}

void ContentChecker::checkParameters() {
    const std::string contentPath = "content/config/GameParameters.cfg";
    const std::string file = files_.path(contentPath);
    std::ifstream in(file);
    if (!in) {
        report_.add(file, 0, "the file is missing");
        return;
    }
    std::map<std::string, int> lines;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        line = line.substr(0, line.find('#'));
        if (line.find("EndConfigFile") != std::string::npos) {
            break;
        }
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos) {
            continue;
        }
        const std::string key = trim(line.substr(0, equals));
        parameters_[key] = trim(line.substr(equals + 1));
        lines[key] = number;
    }
    for (const auto& [key, numeric] : tuningKeys()) {
        const auto found = parameters_.find(key);
        if (found == parameters_.end()) {
            report_.add(file, 0, "the tuning key " + key + " is missing");
            continue;
        }
        char* end = nullptr;
        std::strtol(found->second.c_str(), &end, 10);
        if (found->second.empty() || (numeric && *end != '\0')) {
            report_.add(file, lines[key],
                        "the tuning key " + key + (numeric ? " needs a whole number" : " needs a value"));
        }
    }
}

void ContentChecker::checkSounds() {
    const std::string sfx = "content/config/sfx.xml";
    tinyxml2::XMLDocument effects;
    if (files_.loadXml(effects, sfx)) {
        const XMLElement* root = effects.FirstChildElement("SFX");
        if (!root) {
            report_.add(files_.path(sfx), 1, "the effect catalogue needs the root element SFX");
        }
        const std::string prefix = attribute(root, "defaultPath");
        for (const XMLElement* e = root ? root->FirstChildElement() : nullptr; e; e = e->NextSiblingElement()) {
            if (attribute(e, "name").empty()) {
                report_.add(files_.path(sfx), e->GetLineNum(), "the effect has no name");
            }
            if (std::string(e->Name()) == "Sound") {
                files_.require(prefix + attribute(e, "path"), sfx, e->GetLineNum(), "the sound");
            }
            for (const XMLElement* s = e->FirstChildElement("Sound"); s; s = s->NextSiblingElement("Sound")) {
                files_.require(prefix + attribute(s, "path"), sfx, s->GetLineNum(), "the sound");
            }
        }
    }
    const std::string music = "content/config/scene/music.xml";
    tinyxml2::XMLDocument scenes;
    if (files_.loadXml(scenes, music)) {
        const XMLElement* root = scenes.FirstChildElement("SceneMusic");
        if (!root) {
            report_.add(files_.path(music), 1, "the music catalogue needs the root element SceneMusic");
        }
        for (const XMLElement* s = root ? root->FirstChildElement("Scene") : nullptr; s;
             s = s->NextSiblingElement("Scene")) {
            for (const XMLElement* m = s->FirstChildElement("Music"); m; m = m->NextSiblingElement("Music")) {
                files_.require(attribute(root, "path") + attribute(m, "file"), music, m->GetLineNum(), "the music");
            }
        }
    }
}

void ContentChecker::checkAnimations() {
    std::vector<std::string> animations;
    std::error_code error;
    const std::filesystem::path base = files_.path("content/animations");
    for (auto it = std::filesystem::recursive_directory_iterator(base, error);
         it != std::filesystem::recursive_directory_iterator(); it.increment(error)) {
        if (it->path().extension() == ".xml") {
            animations.push_back("content/animations/" + std::filesystem::relative(it->path(), base).generic_string());
        }
    }
    std::sort(animations.begin(), animations.end());
    for (const std::string& animation : animations) {
        checkAnimation(animation);
    }
}

void ContentChecker::checkAnimation(const std::string& contentPath) {
    tinyxml2::XMLDocument document;
    if (!files_.loadXml(document, contentPath)) {
        return;
    }
    const XMLElement* root = document.FirstChildElement("Scene");
    if (!root) {
        report_.add(files_.path(contentPath), 1, "an animation needs the root element Scene");
        return;
    }
    const std::string folder = contentPath.substr(0, contentPath.rfind('/') + 1);
    static const char* const properties[] = {"x", "y", "z", "ScaleX", "ScaleY", "Angle", "Red", "Green", "Blue", "Alpha"};
    for (const XMLElement* o = root->FirstChildElement("Object"); o; o = o->NextSiblingElement("Object")) {
        files_.require(folder + attribute(o, "file"), contentPath, o->GetLineNum(), "the animation's image");
        for (const XMLElement* k = o->FirstChildElement("KeyFrame"); k; k = k->NextSiblingElement("KeyFrame")) {
            if (k->IntAttribute("Type") != 0) {
                continue;
            }
            for (const char* property : properties) {
                if (!k->Attribute(property)) {
                    report_.add(files_.path(contentPath), k->GetLineNum(),
                                std::string("the key frame lacks ") + property);
                    break;
                }
            }
        }
    }
}

void ContentChecker::checkFlow() {
    const std::string flow = "content/config/GameFlow.xml";
    tinyxml2::XMLDocument document;
    if (!files_.exists(flow) || !files_.loadXml(document, flow)) {
        return;
    }
    const XMLElement* root = document.FirstChildElement("GameFlow");
    for (const XMLElement* s = root ? root->FirstChildElement("Screen") : nullptr; s;
         s = s->NextSiblingElement("Screen")) {
        for (const char* name : {"configFile", "fileName"}) {
            if (!attribute(s, name).empty()) {
                files_.require(attribute(s, name), flow, s->GetLineNum(), "the file");
            }
        }
    }
}
