#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "engine/core/RandomSource.hpp"
#include "game/scene/data/GoalChooser.hpp"
#include "game/scene/data/Item.hpp"
#include "game/scene/data/SceneItemLoader.hpp"
#include "game/scene/SceneFixture.hpp"

namespace {

class GoalChooserTest : public SceneFixture {
protected:
    // The goal indices after one step with these rules, on a fresh scene 101.
    std::vector<int> goals(std::vector<CollectRule> rules, bool collections, std::uint32_t seed = 5) {
        ItemRegistry::reset();
        SceneItemLoader::load(101, "content/config/s101/groups.xml", "EN", SceneIndex::instance(),
                              ItemRegistry::instance());
        SeededRandom random(seed);
        MechanicsStep step;
        step.collect = std::move(rules);
        GoalChooser(ItemRegistry::instance(), 101, random, collections).fill(step);
        std::vector<int> indices;
        for (const Item* goal : ItemRegistry::instance().items(ItemRegistry::Goals, 101)) {
            indices.push_back(goal->getIndex());
        }
        return indices;
    }
};

}  // namespace

TEST_F(GoalChooserTest, CollectionsAreChosenByOneRepresentativeAndFoundTogether) {
    // Coins (150) at 2 and 3, a lamp (160) at 4, cup and mug (180) at 6 and 7, a ring (170) at 11.
    EXPECT_EQ(goals({collectRule({150, 160, 170}, CollectRule::First, 1)}, false), (std::vector<int>{2}));
    EXPECT_EQ(goals({collectRule({150, 160, 170}, CollectRule::First, 1)}, true), (std::vector<int>{2, 3}))
        << "choosing one coin makes both coins goals";
    EXPECT_EQ(goals({collectRule({150, 160, 170}, CollectRule::First, 2)}, true), (std::vector<int>{2, 3, 4}))
        << "the second coin is no candidate of its own, so the lamp is the second choice";
    EXPECT_EQ(goals({collectRule({180}, CollectRule::First, 1)}, true), (std::vector<int>{6, 7}))
        << "a set is its kind, whatever its pieces are called";
    EXPECT_EQ(goals({collectRule({150}, CollectRule::All), collectRule({150, 160}, CollectRule::First, 1)}, true),
              (std::vector<int>{2, 3}))
        << "a set met by two rules moves once";
    EXPECT_EQ(goals({collectRule({300, 310}, CollectRule::All)}, true), (std::vector<int>{}))
        << "kinds from 300 on are no sets, and these are no candidates at all";
    std::set<std::vector<int>> draws;
    for (std::uint32_t seed = 1; seed <= 10; ++seed) {
        const std::vector<int> chosen = goals({collectRule({150, 160, 170, 180}, CollectRule::Random, 1)}, true, seed);
        ASSERT_FALSE(chosen.empty());
        const std::set<std::vector<int>> whole{{2, 3}, {4}, {11}, {6, 7}};
        EXPECT_TRUE(whole.count(chosen)) << "a random pick takes a whole set or a single item";
        draws.insert(chosen);
    }
    EXPECT_GT(draws.size(), 1u);
}
