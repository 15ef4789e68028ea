#include "game/scene/data/ItemRegistry.hpp"

#include <algorithm>
#include <memory>

#include "game/scene/data/Item.hpp"

ItemRegistry::~ItemRegistry() {
    clear();
}

void ItemRegistry::add(int group, Item* item) {
    groups_[group].push_back(item);
}

std::vector<Item*> ItemRegistry::items(int group, int sceneId) const {
    std::vector<Item*> result;
    auto found = groups_.find(group);
    if (found == groups_.end()) {
        return result;
    }
    for (Item* item : found->second) {
        if (sceneId == -1 || item->getSceneId() == sceneId) {
            result.push_back(item);
        }
    }
    return result;
}

bool ItemRegistry::hasItems(int group, int sceneId) const {
    auto found = groups_.find(group);
    return found != groups_.end() &&
           std::any_of(found->second.begin(), found->second.end(),
                       [sceneId](const Item* item) { return sceneId == -1 || item->getSceneId() == sceneId; });
}

std::vector<Item*> ItemRegistry::itemsOfScene(int sceneId) const {
    std::vector<Item*> result;
    for (const auto& entry : groups_) {
        for (Item* item : entry.second) {
            if (item->getSceneId() == sceneId) {
                result.push_back(item);
            }
        }
    }
    return result;
}

Item* ItemRegistry::find(int group, int index, int sceneId) const {
    auto found = groups_.find(group);
    if (found == groups_.end()) {
        return nullptr;
    }
    for (Item* item : found->second) {
        if (item->getIndex() == index && item->getSceneId() == sceneId) {
            return item;
        }
    }
    return nullptr;
}

int ItemRegistry::groupOf(const Item* item) const {
    for (const auto& [group, list] : groups_) {
        if (std::find(list.begin(), list.end(), item) != list.end()) {
            return group;
        }
    }
    return Unplaced;
}

void ItemRegistry::move(Item* item, int toGroup) {
    for (auto& entry : groups_) {
        auto& list = entry.second;
        list.erase(std::remove(list.begin(), list.end(), item), list.end());
    }
    groups_[toGroup].push_back(item);
}

void ItemRegistry::clear() {
    std::map<int, std::vector<Item*>> groups;
    groups.swap(groups_);
    for (auto& entry : groups) {
        for (Item* item : entry.second) {
            delete item;
        }
    }
}

const std::vector<int>& ItemRegistry::displayedGroups() {
    static const std::vector<int> groups{6, Candidates, Goals, 4, 5};
    return groups;
}
