#pragma once

#include <vector>

#include "game/scene/data/SceneMechanics.hpp"

class Item;
class ItemRegistry;
class RandomSource;

// Chooses the goals of a CollectGroup step among a scene's hidden candidates
// and moves them to the goal group. Each rule takes the candidates of its
// kinds in registry order, shuffled for a random pick and cut to its count
// unless it takes all. With collections on, kinds 100 to 299 are sets of
// alike pieces that are found together: a rule sees one representative of a
// set, and choosing it makes the whole set goals.
class GoalChooser {
public:
    GoalChooser(ItemRegistry& registry, int sceneId, RandomSource& random, bool collections)
        : registry_(registry), sceneId_(sceneId), random_(random), collections_(collections) {}

    void fill(const MechanicsStep& step);
    // What the rule would choose among the scene's candidates now (the
    // content checker compares it with what the rule asks for).
    std::vector<Item*> candidates(const CollectRule& rule);

    static bool isCollection(int typeId) { return typeId >= 100 && typeId <= 299; }

private:
    std::vector<Item*> candidatesFor(const CollectRule& rule, const std::vector<Item*>& pool);

    ItemRegistry& registry_;
    int sceneId_;
    RandomSource& random_;
    bool collections_;
};
