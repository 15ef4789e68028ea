#pragma once

#include <map>
#include <string>
#include <vector>

#include "engine/core/SingletonContainer.hpp"
#include "game/scene/data/SceneIndexEntry.hpp"

// Every hidden-object scene by id, read once at start-up from
// "content/config/scene/sceneIndex.xml". An Index without id, fileName or
// path is skipped; of two entries with one id the first stays.
class SceneIndex : public SingletonContainer<SceneIndex> {
public:
    // Empties the table, then reads the file. A missing or broken file leaves
    // it empty and says so in one line; the result tells whether it was read.
    bool load(const std::string& path);
    void clear();

    const SceneIndexEntry* find(int id) const;
    // The item file reader stores the screen placement into the entry.
    SceneIndexEntry* find(int id);

    const std::map<int, SceneIndexEntry>& entries() const { return entries_; }
    // The ids of the kept entries in the order of the file: the first
    // location of the index is the first one a new player gets.
    const std::vector<int>& idsInFileOrder() const { return fileOrder_; }

private:
    std::map<int, SceneIndexEntry> entries_;
    std::vector<int> fileOrder_;
};
