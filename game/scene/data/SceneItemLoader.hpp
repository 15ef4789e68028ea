#pragma once

#include <memory>
#include <string>
#include <vector>

#include "game/scene/data/ItemDescription.hpp"

class ItemRegistry;
class SceneIndex;
struct SceneIndexEntry;

// Reads a scene's item file and puts its items into the registry groups that
// the scene's item group rules give them. A scene whose items are already in
// the registry (an earlier visit) is left as it is.
class SceneItemLoader {
public:
    // The items of one item file in file order; the entry's Screen values are
    // stored into it. A missing or broken file gives no items and one line.
    static std::vector<std::unique_ptr<ItemDescription>> readItemFile(SceneIndexEntry& entry,
                                                                      const std::string& languageCode);

    // True when the scene already has items in group 1, 2, 3 or 6.
    static bool isLoaded(const ItemRegistry& registry, int sceneId);

    // Reads and groups the scene's items unless they are loaded. Returns the
    // index entry when the items were read (its offsets shift the screen),
    // null otherwise.
    static const SceneIndexEntry* load(int sceneId, const std::string& groupRulesPath, const std::string& languageCode,
                                       SceneIndex& index, ItemRegistry& registry);
};
