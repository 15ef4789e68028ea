#include "engine/audio/catalogue/SceneMusicTable.hpp"

#include <tinyxml2.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "engine/core/RandomSource.hpp"
#include "engine/core/ContentPath.hpp"

SceneMusicTable::SceneMusicTable(RandomSource& random) : random_(random) {}

bool SceneMusicTable::load(const std::string& path) {
    tinyxml2::XMLDocument document;
    if (document.LoadFile(ContentPath::resolve(path).c_str()) != tinyxml2::XML_SUCCESS) {
        std::printf("Scene music %s: %s\n", path.c_str(), document.ErrorStr());
        return false;
    }
    const tinyxml2::XMLElement* root = document.RootElement();
    if (!root || std::string(root->Name()) != "SceneMusic") {
        std::printf("Scene music %s: the root element is not SceneMusic\n", path.c_str());
        return false;
    }
    if (const char* base = root->Attribute("path")) {
        basePath_ = base;
    }
    for (const tinyxml2::XMLElement* scene = root->FirstChildElement("Scene"); scene;
         scene = scene->NextSiblingElement("Scene")) {
        const char* indexText = scene->Attribute("index");
        if (!indexText) {
            continue;
        }
        std::vector<int> indexes;
        std::istringstream pieces(indexText);
        for (std::string piece; std::getline(pieces, piece, ',');) {
            indexes.push_back(std::atoi(piece.c_str()));
        }
        for (const tinyxml2::XMLElement* music = scene->FirstChildElement("Music"); music;
             music = music->NextSiblingElement("Music")) {
            if (const char* file = music->Attribute("file")) {
                for (int index : indexes) {
                    files_[index].push_back(file);
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
