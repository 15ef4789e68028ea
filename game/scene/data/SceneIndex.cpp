#include "game/scene/data/SceneIndex.hpp"

#include "engine/core/XmlFile.hpp"

bool SceneIndex::load(const std::string& path) {
    clear();
    const XmlFile file(path, "Indexes");
    if (!file.root()) {
        return false;
    }
    for (const auto* index = file.root()->FirstChildElement("Index"); index;
         index = index->NextSiblingElement("Index")) {
        if (!file.hasAll(index, {"id", "fileName", "path"})) {
            continue;
        }
        SceneIndexEntry entry;
        entry.id = XmlFile::number(index, "id");
        entry.fileName = XmlFile::text(index, "fileName");
        entry.path = XmlFile::text(index, "path");
        entry.line = index->GetLineNum();
        if (entries_.emplace(entry.id, entry).second) {
            fileOrder_.push_back(entry.id);
        } else {
            file.warn(index, "the scene id " + std::to_string(entry.id) + " is listed twice");
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
