#pragma once

#include <map>
#include <vector>

#include "engine/core/SingletonContainer.hpp"

class Item;

// Every scene's items, sorted into numbered groups, for the whole process.
// Items live here from their scene's first load until clear(), so a scene
// visited again finds its found items found. Reached through instance();
// tests start afresh with reset().
class ItemRegistry : public SingletonContainer<ItemRegistry> {
public:
    enum Group { Unplaced = -1, Candidates = 1, Goals = 2, Collected = 3 };

    ItemRegistry() = default;
    ~ItemRegistry();
    ItemRegistry(const ItemRegistry&) = delete;
    ItemRegistry& operator=(const ItemRegistry&) = delete;

    // The groups a scene draws, in the order it draws them.
    static const std::vector<int>& displayedGroups();

    // Takes ownership and appends the item to the group.
    void add(int group, Item* item);
    // The group's items of one scene in list order; scene -1 lists all scenes.
    std::vector<Item*> items(int group, int sceneId) const;
    bool hasItems(int group, int sceneId) const;
    // The scene's items in every group.
    std::vector<Item*> itemsOfScene(int sceneId) const;
    // The item with this key in the group, or null.
    Item* find(int group, int index, int sceneId) const;
    // The group the item is in, or the Unplaced group when it is in none.
    int groupOf(const Item* item) const;
    // Removes the item from its group and appends it to the end of another.
    void move(Item* item, int toGroup);
    void clear();

private:
    std::map<int, std::vector<Item*>> groups_;
};
