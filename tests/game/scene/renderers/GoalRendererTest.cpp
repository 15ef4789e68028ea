#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/config/ConfigFile.hpp"
#include "game/scene/renderers/CountStackGoalRenderer.hpp"
#include "game/scene/data/Item.hpp"
#include "game/scene/data/ItemRegistry.hpp"
#include "game/scene/renderers/ItemRenderer.hpp"
#include "game/scene/renderers/SilhouetteGoalRenderer.hpp"

namespace {

// Goals made in code: scene 900, each with a plain renderer to watch its
// enabled flag. The panels are used without a scene, so they list the goal
// group of every scene.
class GoalPanelTest : public ::testing::Test {
protected:
    void SetUp() override { ItemRegistry::reset(); }
    void TearDown() override { ItemRegistry::reset(); }

    Item* goal(const std::string& name, int typeId) {
        auto description = std::make_unique<ItemDescription>();
        description->name = name;
        description->typeId = typeId;
        auto* item = new Item(next_++, 900, std::move(description));
        item->setRenderer(new ItemRenderer(nullptr, item));
        ItemRegistry::instance().add(ItemRegistry::Goals, item);
        return item;
    }
    // What the scene does when a goal is found.
    void find(ItemGoalRenderer& panel, Item* item) {
        ItemRegistry::instance().move(item, ItemRegistry::Collected);
        panel.fill(ItemRegistry::instance());
        panel.layout(item);
    }
    static std::vector<std::string> lines(const CountStackGoalRenderer& panel) {
        std::vector<std::string> texts;
        for (const auto* stack : panel.cellStacks()) {
            texts.push_back(stack ? stack->text() : "-");
        }
        return texts;
    }

    ConfigFile parameters{std::string(CHRONA_TEST_DATA_DIR) + "/hoscene/config/GameParameters.cfg"};
    int next_ = 0;
};

}  // namespace

TEST_F(GoalPanelTest, CountStackGroupsAlikePiecesWithCounts) {
    std::vector<Item*> keys;
    for (int i = 0; i < 5; ++i) {
        keys.push_back(goal("Key", 250));
    }
    Item* coinA = goal("Coin", 150);
    Item* coinB = goal("Coin", 150);
    CountStackGoalRenderer panel(&parameters, nullptr);
    ASSERT_EQ(panel.getRows(), 3);
    ASSERT_EQ(panel.getColumns(), 2);
    panel.fill(ItemRegistry::instance());
    panel.layout(nullptr);
    // The last formed stack takes the first cell.
    EXPECT_EQ(lines(panel), (std::vector<std::string>{"Coin", "Coin", "Key x 5", "-", "-", "-"}));
    EXPECT_EQ(coinB->id, 0);
    EXPECT_EQ(coinA->id, 1);
    EXPECT_EQ(keys[3]->id, 2);
    EXPECT_TRUE(keys[4]->getRenderer()->isEnabled());
    for (int i = 0; i < 4; ++i) {
        find(panel, keys[static_cast<std::size_t>(i)]);
    }
    EXPECT_EQ(keys[0]->id, -2);
    EXPECT_EQ(lines(panel), (std::vector<std::string>{"Coin", "Coin", "Key", "-", "-", "-"}));
    // Cell 2 is at (192, 75 + 27); the flight ends on the middle of its line.
    const Point key = panel.targetPoint(keys[4]);
    EXPECT_FLOAT_EQ(key.x, 192.0f + 82.0f);
    EXPECT_FLOAT_EQ(key.y, 102.0f + 21.0f);
    Item* lamp = goal("Lamp", 150);
    const Point none = panel.targetPoint(lamp);
    EXPECT_FLOAT_EQ(none.x, 0.0f);
    EXPECT_FLOAT_EQ(none.y, 0.0f);
    panel.layout(nullptr);
    EXPECT_EQ(lines(panel), (std::vector<std::string>{"Coin", "Coin", "Key", "-", "-", "-"}))
        << "the panel is built once";
}

TEST_F(GoalPanelTest, CountStackRefillsTheFinishedColumnFromTheWaitingLines) {
    std::vector<Item*> items;
    for (const char* name : {"A", "B", "C", "D", "E", "F", "G", "H"}) {
        items.push_back(goal(name, 150));
    }
    CountStackGoalRenderer panel(&parameters, nullptr);
    panel.fill(ItemRegistry::instance());
    panel.layout(nullptr);
    EXPECT_EQ(lines(panel), (std::vector<std::string>{"H", "G", "F", "E", "D", "C"}));
    EXPECT_EQ(panel.pendingCount(), 2);
    EXPECT_FALSE(items[0]->getRenderer()->isEnabled()) << "a waiting line cannot be found yet";
    EXPECT_FALSE(items[1]->getRenderer()->isEnabled());

    find(panel, items[7]);
    EXPECT_EQ(lines(panel), (std::vector<std::string>{"F", "G", "D", "E", "B", "C"}));
    EXPECT_EQ(items[5]->id, 0);
    EXPECT_EQ(items[1]->id, 4);
    EXPECT_TRUE(items[1]->getRenderer()->isEnabled());
    EXPECT_FALSE(items[0]->getRenderer()->isEnabled());
    const auto* entering = panel.cellStacks()[4];
    EXPECT_FLOAT_EQ(entering->y, 75.0f + 54.0f + 42.0f) << "the new line starts below its cell";
    EXPECT_TRUE(panel.isSliding());
    for (int t = 0; t < 600; t += 16) {
        panel.update(16, nullptr);
    }
    EXPECT_FLOAT_EQ(entering->y, 75.0f + 54.0f);
    EXPECT_FLOAT_EQ(panel.cellStacks()[0]->y, 75.0f);

    find(panel, items[6]);
    EXPECT_EQ(lines(panel), (std::vector<std::string>{"F", "E", "D", "C", "B", "A"}));
    find(panel, items[4]);
    EXPECT_EQ(lines(panel), (std::vector<std::string>{"F", "C", "D", "A", "B", "-"}))
        << "with nothing waiting the bottom cell stays empty";
}

TEST_F(GoalPanelTest, SilhouettePanelShowsTheFirstGoalsOnly) {
    Item* a = goal("A", 150);
    Item* b = goal("B", 150);
    Item* c = goal("C", 150);
    SilhouetteGoalRenderer panel(&parameters, nullptr);
    ASSERT_EQ(panel.getShownCount(), 2);
    panel.fill(ItemRegistry::instance());
    panel.layout(nullptr);
    ASSERT_EQ(panel.shownGoals().size(), 2u);
    EXPECT_TRUE(a->getRenderer()->isEnabled());
    EXPECT_TRUE(b->getRenderer()->isEnabled());
    EXPECT_FALSE(c->getRenderer()->isEnabled());
    const Point slot1 = panel.targetPoint(b);
    EXPECT_FLOAT_EQ(slot1.x, 200.0f + 88.0f + 42.0f);
    EXPECT_FLOAT_EQ(slot1.y, 76.0f + 42.0f);
    EXPECT_FLOAT_EQ(panel.targetPoint(c).x, -1.0f);
    EXPECT_FLOAT_EQ(panel.targetPoint(c).y, -1.0f);

    find(panel, a);
    EXPECT_EQ(a->id, -2);
    ASSERT_EQ(panel.shownGoals().size(), 2u);
    EXPECT_EQ(panel.shownGoals()[0].item, b);
    EXPECT_EQ(panel.shownGoals()[1].item, c);
    EXPECT_TRUE(c->getRenderer()->isEnabled());
    EXPECT_FLOAT_EQ(panel.targetPoint(b).x, 200.0f + 42.0f);
}

namespace {

// A goal that was pressed and is flying to the panel: still in the goal
// group until its flight ends.
class FlyingRenderer : public ItemRenderer {
public:
    using ItemRenderer::ItemRenderer;
    bool isCollected() const override { return true; }
};

}  // namespace

TEST_F(GoalPanelTest, AGoalInFlightIsNotOfferedAgainWhenAnotherFlightEnds) {
    // A quick player finds two goals; the first flight to end lays the panel
    // out again, and the goal still flying must stay unclickable, or it can
    // be found twice (points twice) and the scene waits for it for ever.
    for (int kind = 0; kind < 2; ++kind) {
        ItemRegistry::reset();
        Item* flying = goal("Barometer", 150);
        goal("Compass", 150);
        // The count stack's first cell, above the flying goal's: its line
        // moves up into the emptied cell.
        Item* landed = goal("Kettle", 150);
        std::unique_ptr<ItemGoalRenderer> panel;
        if (kind == 0) {
            panel = std::make_unique<CountStackGoalRenderer>(&parameters, nullptr);
        } else {
            panel = std::make_unique<SilhouetteGoalRenderer>(&parameters, nullptr);
        }
        panel->fill(ItemRegistry::instance());
        panel->layout(nullptr);
        ASSERT_TRUE(flying->getRenderer()->isEnabled());
        flying->setRenderer(new FlyingRenderer(nullptr, flying));
        find(*panel, landed);
        EXPECT_FALSE(flying->getRenderer()->isEnabled()) << (kind == 0 ? "count stack" : "silhouettes");
    }
}
