#include "game/scene/play/SceneProgress.hpp"

#include <algorithm>

#include "game/persistence/PlayerProfile.hpp"
#include "game/scene/data/Item.hpp"
#include "game/scene/data/ItemRegistry.hpp"

namespace {

SceneState::ItemList keysOf(const std::vector<Item*>& items) {
    SceneState::ItemList keys;
    for (const Item* item : items) {
        keys.emplace_back(item->getIndex(), item->getSceneId());
    }
    return keys;
}

// Moves the listed items of the scene that are in one of the groups from.
int moveListed(const SceneState::ItemList& keys, std::initializer_list<int> from, int to, ItemRegistry& registry) {
    int moved = 0;
    for (const auto& key : keys) {
        for (int group : from) {
            if (Item* item = registry.find(group, key.first, key.second)) {
                registry.move(item, to);
                ++moved;
                break;
            }
        }
    }
    return moved;
}

}  // namespace

SceneState* SceneProgress::find(const PlayerProfile* profile, int sceneId) {
    const SessionRecord* session = profile ? profile->currentSessionRecord() : nullptr;
    return session ? session->findSceneState(sceneId) : nullptr;
}

void SceneProgress::store(PlayerProfile* profile, const Visit& visit, ItemRegistry& registry) {
    SceneState scratch;
    scratch.sceneId = visit.sceneId;
    SceneState* kept = find(profile, visit.sceneId);
    SceneState& state = kept ? *kept : scratch;
    if (visit.endingChecksRan) {
        state.attempts = visit.attempt;
    }
    if (visit.locationFlag && profile) {
        profile->setLocationFlag(locationOf(visit.sceneId), PlayerProfile::Flag::Third, true);
    }
    state.goalItems = keysOf(registry.items(ItemRegistry::Goals, visit.sceneId));
    for (const auto& key : keysOf(registry.items(ItemRegistry::Collected, visit.sceneId))) {
        if (std::find(state.collectedItems.begin(), state.collectedItems.end(), key) == state.collectedItems.end()) {
            state.collectedItems.push_back(key);
        }
    }
    state.remainingTime = visit.timeLimit;
    state.points = visit.score;
    registry.clear();
}

SceneProgress::Resumed SceneProgress::reapply(const SceneState& state, ItemRegistry& registry) {
    Resumed resumed;
    moveListed(state.goalItems, {ItemRegistry::Candidates}, ItemRegistry::Goals, registry);
    resumed.collectedBefore = moveListed(state.collectedItems, {ItemRegistry::Candidates, ItemRegistry::Goals},
                                         ItemRegistry::Collected, registry);
    if (state.remainingTime > 0) {
        resumed.timeLimit = state.remainingTime;
    }
    return resumed;
}
