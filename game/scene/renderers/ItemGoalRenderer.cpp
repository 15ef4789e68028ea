#include "game/scene/renderers/ItemGoalRenderer.hpp"

#include <algorithm>

#include "game/scene/HOScene.hpp"
#include "game/scene/data/Item.hpp"
#include "game/scene/data/ItemRegistry.hpp"

void ItemGoalRenderer::fill(const ItemRegistry& registry) {
    entries_.clear();
    const int sceneId = owner_ ? owner_->getSceneId() : -1;
    for (int group : sourceGroups_) {
        for (Item* item : registry.items(group, sceneId)) {
            entries_.push_back(GoalEntry{item, group, item->getIndex()});
        }
    }
    std::stable_sort(entries_.begin(), entries_.end(),
                     [](const GoalEntry& a, const GoalEntry& b) { return a.index < b.index; });
}
