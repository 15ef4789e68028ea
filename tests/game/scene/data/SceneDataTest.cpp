#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "game/scene/data/Item.hpp"
#include "game/scene/data/ItemGroupRules.hpp"
#include "game/scene/data/SceneItemLoader.hpp"
#include "game/scene/data/SceneMechanics.hpp"
#include "game/scene/SceneFixture.hpp"

namespace {

std::vector<std::string> names(const std::vector<Item*>& items) {
    std::vector<std::string> result;
    for (const Item* item : items) {
        result.push_back(item->description().name);
    }
    return result;
}

const SceneIndexEntry* loadScene101(ItemRegistry& registry) {
    return SceneItemLoader::load(101, "content/config/s101/groups.xml", "EN", SceneIndex::instance(), registry);
}

}  // namespace

TEST_F(SceneFixture, IndexKeepsTheFirstOfTwoEntriesAndSkipsIncompleteOnes) {
    const SceneIndex& index = SceneIndex::instance();
    ASSERT_NE(index.find(101), nullptr);
    EXPECT_EQ(index.find(101)->fileName, "scene101");
    EXPECT_EQ(index.find(150), nullptr);
    EXPECT_EQ(index.entries().size(), 2u);
}

TEST_F(SceneFixture, ItemFileFollowsTheLanguageCode) {
    SceneIndexEntry entry = *SceneIndex::instance().find(101);
    const auto english = SceneItemLoader::readItemFile(entry, "EN");
    ASSERT_EQ(english.size(), 16u);
    EXPECT_EQ(english[0]->name, "Key");
    EXPECT_EQ(entry.xOffset, 3);
    EXPECT_EQ(entry.yOffset, -2);
    // Lower-case "en" is another language: its file carries the suffix.
    const auto lower = SceneItemLoader::readItemFile(entry, "en");
    ASSERT_EQ(lower.size(), 1u);
    EXPECT_EQ(lower[0]->name, "Schluessel");
    EXPECT_EQ(entry.xOffset, 0);
    EXPECT_TRUE(SceneItemLoader::readItemFile(entry, "DE").empty());
}

TEST_F(SceneFixture, ItemFileFieldsAndIncompleteItems) {
    SceneIndexEntry entry = *SceneIndex::instance().find(101);
    const auto items = SceneItemLoader::readItemFile(entry, "EN");
    const ItemDescription& mug = *items[7];
    EXPECT_EQ(mug.name, "Mug");
    EXPECT_EQ(mug.image, "box.png");
    EXPECT_EQ(mug.directory, "content/scenes/s101/");
    EXPECT_EQ(mug.layer, 3);
    EXPECT_FLOAT_EQ(mug.x, 710.0f);
    EXPECT_EQ(mug.A, 255);
    EXPECT_EQ(mug.typeId, 180);
    const ItemDescription& broken = *items[14];
    EXPECT_EQ(broken.name, "Broken");
    EXPECT_EQ(broken.image, "");
    EXPECT_EQ(broken.directory, "");
    EXPECT_EQ(broken.typeId, 0);
}

TEST_F(SceneFixture, GroupRulesPlaceItemsAndTypeTwoStaysUngrouped) {
    ItemGroupRules rules;
    ASSERT_TRUE(rules.load(ContentPath::resolve("content/config/s101/groups.xml")));
    EXPECT_EQ(rules.groupFor(0, 250), 1);
    EXPECT_EQ(rules.groupFor(0, 190), 1) << "a later rule replaces an earlier one";
    EXPECT_EQ(rules.groupFor(0, 160), 1) << "a rule without type is skipped";
    EXPECT_EQ(rules.groupFor(2, 250), -1);
    EXPECT_EQ(rules.groupFor(1, 400), 6);

    ItemRegistry& registry = ItemRegistry::instance();
    const SceneIndexEntry* entry = loadScene101(registry);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(names(registry.items(ItemRegistry::Unplaced, 101)), (std::vector<std::string>{"Ghost", "Broken"}));
    EXPECT_EQ(names(registry.items(1, 101)),
              (std::vector<std::string>{"Key", "Key", "Coin", "Coin", "Lamp", "Cup", "Mug", "Gem", "Ring"}));
    EXPECT_EQ(names(registry.items(4, 101)), (std::vector<std::string>{"Vase", "Frame"}));
    EXPECT_EQ(names(registry.items(6, 101)), (std::vector<std::string>{"Veil", "Backdrop"}));
    const Item* gem = registry.find(1, 9, 101);
    ASSERT_NE(gem, nullptr);
    EXPECT_EQ(gem->id, 9);
    EXPECT_EQ(registry.find(1, 9, 102), nullptr);
}

TEST_F(SceneFixture, SecondLoadKeepsFoundItemsFound) {
    ItemRegistry& registry = ItemRegistry::instance();
    ASSERT_NE(loadScene101(registry), nullptr);
    Item* key = registry.find(1, 0, 101);
    registry.move(key, ItemRegistry::Collected);
    Item* coin = registry.find(1, 2, 101);
    registry.move(coin, ItemRegistry::Goals);
    EXPECT_EQ(loadScene101(registry), nullptr) << "a visited scene is not read again";
    EXPECT_EQ(registry.items(ItemRegistry::Collected, -1), std::vector<Item*>{key});
    EXPECT_EQ(registry.items(ItemRegistry::Goals, 101), std::vector<Item*>{coin});
    EXPECT_EQ(registry.items(1, 101).size(), 7u);
    // Another scene loads alongside; scene -1 lists both.
    ASSERT_NE(SceneItemLoader::load(102, "content/config/s101/groups.xml", "EN", SceneIndex::instance(), registry),
              nullptr);
    EXPECT_EQ(registry.items(1, 102).size(), 1u);
    EXPECT_EQ(registry.items(1, -1).size(), 8u);
    registry.clear();
    EXPECT_FALSE(SceneItemLoader::isLoaded(registry, 101));
}

TEST_F(SceneFixture, UnknownSceneOrMissingFilesGiveNoItems) {
    ItemRegistry& registry = ItemRegistry::instance();
    EXPECT_EQ(SceneItemLoader::load(999, "content/config/s101/groups.xml", "EN", SceneIndex::instance(), registry),
              nullptr);
    EXPECT_TRUE(registry.itemsOfScene(999).empty());
    // Without group rules every item is ungrouped.
    ASSERT_NE(SceneItemLoader::load(101, "content/config/s101/none.xml", "EN", SceneIndex::instance(), registry),
              nullptr);
    EXPECT_EQ(registry.items(ItemRegistry::Unplaced, 101).size(), 16u);
}

TEST_F(SceneFixture, RendererRulesFirstMatchWinsAndWildcards) {
    ItemRendererFactory& factory = ItemRendererFactory::instance();
    ASSERT_TRUE(factory.loadRules(ContentPath::resolve("content/config/s101/renderers.xml")));
    ASSERT_EQ(factory.getRules().size(), 3u) << "a rule without renderer is skipped";
    EXPECT_EQ(factory.rendererIdFor({6, 600, 1}), 3);
    EXPECT_EQ(factory.rendererIdFor({6, 400, 1}), 1);
    EXPECT_EQ(factory.rendererIdFor({1, 250, 0}), 0);
    // A query's own wildcard matches any rule value.
    EXPECT_EQ(factory.rendererIdFor({-1, -1, -1}), 1);

    ItemRendererFactory::reset();
    ItemRendererFactory& wild = ItemRendererFactory::instance();
    ASSERT_TRUE(wild.loadRules(ContentPath::resolve("content/config/s101/renderers_wildcard_first.xml")));
    EXPECT_EQ(wild.rendererIdFor({6, 400, 1}), 2) << "a leading all-wildcard rule shadows the rest";
    // Loading appends: the earlier rules keep their precedence.
    wild.loadRules(ContentPath::resolve("content/config/s101/renderers.xml"));
    EXPECT_EQ(wild.getRules().size(), 5u);
    EXPECT_EQ(wild.rendererIdFor({6, 400, 1}), 2);
    EXPECT_FALSE(wild.loadRules("content/config/s101/missing.xml"));
    EXPECT_EQ(wild.getRules().size(), 5u);
}

TEST_F(SceneFixture, MechanicsFileSteps) {
    SceneMechanics mechanics;
    ASSERT_TRUE(mechanics.load(ContentPath::resolve("content/config/s101/mech_location01_present.xml")));
    ASSERT_EQ(mechanics.size(), 5) << "unknown elements and a Screen without type make no step";
    const MechanicsStep& collect = *mechanics.step(0);
    EXPECT_EQ(collect.kind, MechanicsStep::CollectGroup);
    EXPECT_EQ(collect.identifier, "COUNT_STACK_GOAL_RENDERER");
    ASSERT_EQ(collect.collect.size(), 3u) << "a Collect without name is skipped";
    EXPECT_EQ(collect.collect[0].pick, CollectRule::All);
    EXPECT_EQ(collect.collect[0].count, -1);
    EXPECT_EQ(collect.collect[0].questId, -1);
    EXPECT_EQ(collect.collect[1].typeIds, (std::vector<int>{150, 160, 170}));
    EXPECT_EQ(collect.collect[1].pick, CollectRule::First);
    EXPECT_EQ(collect.collect[1].count, 2);
    EXPECT_EQ(collect.collect[1].questId, 7);
    EXPECT_EQ(collect.collect[2].name, "odd");
    EXPECT_EQ(collect.collect[2].pick, CollectRule::All) << "an unknown pick counts as all";

    const MechanicsStep& screen = *mechanics.step(1);
    EXPECT_EQ(screen.kind, MechanicsStep::Screen);
    EXPECT_EQ(screen.identifier, "MINIGAME");
    EXPECT_EQ(screen.attribute("transition"), "none");
    EXPECT_EQ(screen.attribute("file"), "puzzle.xml");
    EXPECT_EQ(screen.attribute("type"), "MINIGAME");
    EXPECT_EQ(mechanics.step(2)->identifier, "UNSPECIFIED");
    EXPECT_EQ(mechanics.step(2)->collect[0].pick, CollectRule::Random);
    EXPECT_EQ(mechanics.step(3)->kind, MechanicsStep::CustomMechanics);
    EXPECT_EQ(mechanics.step(3)->identifier, "PORTAL");
    EXPECT_EQ(mechanics.step(3)->attribute("speed"), "3");
    EXPECT_EQ(mechanics.step(4)->identifier, "UNSPECIFIED");
    EXPECT_EQ(mechanics.step(5), nullptr);

    EXPECT_FALSE(mechanics.load(ContentPath::resolve("content/config/s101/missing.xml")));
    EXPECT_EQ(mechanics.size(), 0);
}

TEST(SceneMechanicsNaming, LocationFileNames) {
    EXPECT_EQ(SceneMechanics::locationFileName(100), "mech_location00_present.xml");
    EXPECT_EQ(SceneMechanics::locationFileName(105), "mech_location05_present.xml");
    EXPECT_EQ(SceneMechanics::locationFileName(110), "mech_location10_present.xml");
    EXPECT_EQ(SceneMechanics::locationFileName(199), "mech_location99_present.xml");
    EXPECT_EQ(SceneMechanics::locationFileName(200), "mech_location00_past.xml");
    EXPECT_EQ(SceneMechanics::locationFileName(213), "mech_location13_past.xml");
    EXPECT_EQ(SceneMechanics::locationFileName(219), "mech_location19_past.xml");
    EXPECT_EQ(SceneMechanics::locationFileName(42), "");
}
