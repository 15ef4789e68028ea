#include "engine/audio/catalogue/SceneMusicTable.hpp"

#include "engine/core/RandomSource.hpp"
#include "engine/core/XmlFile.hpp"
#include "engine/core/XmlNumber.hpp"

SceneMusicTable::SceneMusicTable(RandomSource& random) : random_(random) {}

bool SceneMusicTable::load(const std::string& path) {
    const XmlFile file(path, "SceneMusic");
    const tinyxml2::XMLElement* root = file.root();
    if (!root) {
        return false;
    }
    basePath_ = XmlFile::text(root, "path", basePath_);
    for (const tinyxml2::XMLElement* scene = root->FirstChildElement("Scene"); scene;
         scene = scene->NextSiblingElement("Scene")) {
        const char* indexText = scene->Attribute("index");
        if (!indexText) {
            continue;
        }
        const std::vector<int> indexes = XmlNumber::list(indexText);
        for (const tinyxml2::XMLElement* music = scene->FirstChildElement("Music"); music;
             music = music->NextSiblingElement("Music")) {
            const char* name = music->Attribute("file");
            if (name) {
                file.needsFile(music, basePath_ + name, "the music");
                for (int index : indexes) {
                    files_[index].push_back(name);
                }
            }
        }
    }
    return true;
}

std::string SceneMusicTable::musicFor(int sceneIndex) {
    const std::vector<std::string>& files = filesFor(sceneIndex);
    if (files.empty()) {
        return "";
    }
    return basePath_ + files[random_.below(static_cast<int>(files.size()))];
}

const std::vector<std::string>& SceneMusicTable::filesFor(int sceneIndex) const {
    static const std::vector<std::string> none;
    const auto found = files_.find(sceneIndex);
    return found == files_.end() ? none : found->second;
}
