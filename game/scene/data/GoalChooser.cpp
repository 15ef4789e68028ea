#include "game/scene/data/GoalChooser.hpp"

#include <algorithm>

#include "engine/core/RandomSource.hpp"
#include "game/scene/data/Item.hpp"
#include "game/scene/data/ItemRegistry.hpp"

namespace {

bool listed(const std::vector<int>& typeIds, int typeId) {
    return std::find(typeIds.begin(), typeIds.end(), typeId) != typeIds.end();
}

}  // namespace

std::vector<Item*> GoalChooser::candidatesFor(const CollectRule& rule, const std::vector<Item*>& pool) {
    std::vector<Item*> candidates;
    std::vector<int> sets;
    for (Item* item : pool) {
        const int typeId = item->description().typeId;
        if (!listed(rule.typeIds, typeId)) {
            continue;
        }
        if (collections_ && isCollection(typeId)) {
            if (listed(sets, typeId)) {
                continue;
            }
            sets.push_back(typeId);
        }
        candidates.push_back(item);
    }
    if (rule.pick == CollectRule::Random) {
        for (std::size_t i = candidates.size(); i > 1; --i) {
            std::swap(candidates[i - 1], candidates[static_cast<std::size_t>(random_.below(static_cast<int>(i)))]);
        }
    }
    // A count of -1 compares as the largest unsigned number: no limit.
    const auto limit = static_cast<std::size_t>(static_cast<unsigned>(rule.count));
    if (rule.pick != CollectRule::All && limit < candidates.size()) {
        candidates.resize(limit);
    }
    return candidates;
}

std::vector<Item*> GoalChooser::candidates(const CollectRule& rule) {
    return candidatesFor(rule, registry_.items(ItemRegistry::Candidates, sceneId_));
}

void GoalChooser::fill(const MechanicsStep& step) {
    const std::vector<Item*> pool = registry_.items(ItemRegistry::Candidates, sceneId_);
    std::vector<Item*> selection;
    for (const CollectRule& rule : step.collect) {
        const std::vector<Item*> candidates = candidatesFor(rule, pool);
        selection.insert(selection.end(), candidates.begin(), candidates.end());
    }
    for (Item* chosen : selection) {
        const int typeId = chosen->description().typeId;
        for (Item* item : pool) {
            const bool goes =
                item == chosen || (collections_ && isCollection(typeId) && item->description().typeId == typeId);
            // An item chosen twice (or a set met again) has already moved.
            if (goes && registry_.groupOf(item) == ItemRegistry::Candidates) {
                registry_.move(item, ItemRegistry::Goals);
            }
        }
    }
}
