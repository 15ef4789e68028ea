#include "game/scene/data/SceneIndex.hpp"

#include <cstdio>
#include <tinyxml2.h>

#include "engine/core/ContentPath.hpp"
#include "engine/core/XmlNumber.hpp"

bool SceneIndex::load(const std::string& path) {
    clear();
    tinyxml2::XMLDocument document;
    if (document.LoadFile(ContentPath::resolve(path).c_str()) != tinyxml2::XML_SUCCESS) {
        std::printf("Scene index %s: %s\n", path.c_str(), document.ErrorStr());
        return false;
    }
    const tinyxml2::XMLElement* root = document.RootElement();
    if (!root || std::string(root->Name()) != "Indexes") {
        std::printf("Scene index %s: the root element is not Indexes\n", path.c_str());
        return false;
    }
    for (const auto* index = root->FirstChildElement("Index"); index; index = index->NextSiblingElement("Index")) {
        const char* id = index->Attribute("id");
        const char* fileName = index->Attribute("fileName");
        const char* folder = index->Attribute("path");
        if (!id || !fileName || !folder) {
            continue;
        }
        SceneIndexEntry entry;
        entry.id = XmlNumber::leadingInt(id);
        entry.fileName = fileName;
        entry.path = folder;
        if (entries_.emplace(entry.id, entry).second) {
            fileOrder_.push_back(entry.id);
        }
    }
    return true;
}

void SceneIndex::clear() {
    entries_.clear();
    fileOrder_.clear();
}

const SceneIndexEntry* SceneIndex::find(int id) const {
    const auto it = entries_.find(id);
    return it == entries_.end() ? nullptr : &it->second;
}

SceneIndexEntry* SceneIndex::find(int id) {
    const auto it = entries_.find(id);
    return it == entries_.end() ? nullptr : &it->second;
}
