#include <gtest/gtest.h>

#include <memory>

#include <SDL/SDL_keysym.h>

#include "engine/core/KeyEvent.hpp"
#include "engine/core/MouseEvent.hpp"
#include "engine/core/RandomSource.hpp"
#include "engine/config/ConfigFile.hpp"
#include "engine/render/CpuTextureFactory.hpp"
#include "engine/screens/ScreenBase.hpp"
#include "game/scene/renderers/CollectableItemRenderer.hpp"
#include "game/scene/renderers/CountStackGoalRenderer.hpp"
#include "engine/widgets/WidgetManager.hpp"
#include "game/scene/controls/HintButton.hpp"
#include "game/scene/data/Item.hpp"
#include "game/scene/renderers/SilhouetteGoalRenderer.hpp"
#include "game/scene/TestScene.hpp"
#include "game/scene/ProbeScene.hpp"
#include "game/scene/SceneFixture.hpp"
#include "support/TestApp.hpp"
#include "support/MouseEvents.hpp"

namespace {

// A click delivered the way the window delivers it: through the widgets first.
void click(TestApp& app, int x, int y) {
    clickAt([&app](const MouseEvent& event) { app.deliverMouse(event); }, x, y);
}

KeyEvent key(int code) {
    KeyEvent event;
    event.action = KeyEvent::Press;
    event.key = code;
    return event;
}

int hintedGoals() {
    int hinted = 0;
    for (Item* goal : ItemRegistry::instance().items(ItemRegistry::Goals, 101)) {
        auto* renderer = dynamic_cast<CollectableItemRenderer*>(goal->getRenderer());
        hinted += renderer && renderer->isHintRunning() ? 1 : 0;
    }
    return hinted;
}

void run(TestApp& app, int milliseconds) {
    for (int t = 0; t < milliseconds; t += 16) {
        app.updateStates(16);
    }
}

// A screen shown by a Screen step; it only records that it was shown.
class StepScreen : public ScreenBase {
public:
    explicit StepScreen(int* entered) : ScreenBase("StepScreen"), entered_(entered) {}

protected:
    void build() override {}
    void onEnter() override { ++*entered_; }

private:
    int* entered_;
};

class TestSceneTest : public SceneFixture {
protected:
    void SetUp() override {
        SceneFixture::SetUp();
        Config::instance().load(ContentPath::resolve("content/config/config.xml"));
    }
    void TearDown() override {
        app.leaveAllStates();
        SceneFixture::TearDown();
    }
    TestScene* startTestScene(const std::string& mechanics) {
        auto* scene = new TestScene(101, ConfigPath, "renderers.xml", mechanics, "groups.xml");
        scene->setTextureFactory(std::make_unique<CpuTextureFactory>());
        scene->setRandomSource(&random);
        scene->setGameParameters(&parameters);
        app.startState(scene);
        app.updateStates(16);
        return scene;
    }

    TestApp app;
    SeededRandom random{11};
    ConfigFile parameters{std::string(CHRONA_TEST_DATA_DIR) + "/hoscene/config/GameParameters.cfg"};
};

}  // namespace

TEST_F(TestSceneTest, PanelsFollowTheStepsAndTheHintPicksAFindableGoal) {
    TestScene* scene = startTestScene("mech_two_steps.xml");
    auto* stack = dynamic_cast<CountStackGoalRenderer*>(scene->getGoalRenderer());
    ASSERT_NE(stack, nullptr);
    EXPECT_EQ(stack->getX(), 0) << "the panel sits in the bottom-right corner";
    EXPECT_EQ(stack->getY(), 768 - stack->getHeight());
    EXPECT_FALSE(stack->hitTest(5, stack->getY() + 2)) << "the panel's transparent corner";
    EXPECT_TRUE(stack->hitTest(512, 760));

    ASSERT_TRUE(scene->useHint());
    EXPECT_EQ(hintedGoals(), 1);

    // The flight of a found coin ends on its line of the panel.
    scene->onMousePressed(leftPress(510, 110));
    scene->onMousePressed(leftPress(610, 110));
    run(app, 4000);
    auto* silhouettes = dynamic_cast<SilhouetteGoalRenderer*>(scene->getGoalRenderer());
    ASSERT_NE(silhouettes, nullptr) << "the second step asks for silhouettes";
    EXPECT_EQ(silhouettes->shownGoals().size(), 2u);
    for (const auto& goal : silhouettes->shownGoals()) {
        EXPECT_NE(silhouettes->silhouetteOf(goal.item), nullptr);
    }
    scene->onMousePressed(leftPress(110, 110));
    scene->onMousePressed(leftPress(310, 110));
    // Asked before the scene leaves: leaving deletes it.
    EXPECT_FALSE(scene->useHint()) << "nothing left to find";
    run(app, 4000);
    EXPECT_NE(app.topState(), static_cast<GameState*>(scene)) << "after the last step the scene has left";
}

TEST_F(TestSceneTest, ScreenStepShowsItsScreenAndAdvancesOnReturn) {
    int entered = 0;
    const MechanicsStep* requested = nullptr;
    auto* scene = new ProbeScene("mech_location01_present.xml", 0, "renderers.xml", true);
    scene->setStepScreenFactory([&](const MechanicsStep& step) -> GameState* {
        requested = &step;
        return new StepScreen(&entered);
    });
    app.startState(scene);
    app.updateStates(16);
    for (int x : {110, 310, 510, 610, 705, 720}) {
        scene->onMousePressed(leftPress(x, 110 + (x >= 700 ? 200 : 0)));
    }
    ASSERT_NE(requested, nullptr);
    EXPECT_EQ(requested->attribute("file"), "puzzle.xml");
    EXPECT_EQ(scene->getCurrentStep(), 1);
    run(app, 100);
    ASSERT_EQ(entered, 1);
    EXPECT_NE(app.topState(), static_cast<GameState*>(scene));
    app.popState();
    EXPECT_EQ(app.topState(), static_cast<GameState*>(scene));
    EXPECT_EQ(scene->getStepScreen(), nullptr);
    EXPECT_EQ(scene->getCurrentStep(), 3) << "the empty CollectGroup is passed, the custom step waits";
    EXPECT_EQ(scene->allStepsDone, 0);
}

TEST_F(TestSceneTest, HintAndMainMenuButtons) {
    TestScene* scene = startTestScene("mech_two_steps.xml");
    HintButton* hint = scene->getHintButton();
    ASSERT_NE(hint, nullptr);
    EXPECT_EQ(hint->getX() + hint->getWidth() / 2, 90) << "in the panel's socket";
    EXPECT_EQ(hint->getY() + hint->getHeight() / 2, 768 - 200 + 124);
    run(app, 1500);
    click(app, 90, 692);
    EXPECT_EQ(hintedGoals(), 1) << "the button sparkles around a goal";
    EXPECT_TRUE(hint->isRecharging());
    run(app, 2000);
    ASSERT_EQ(hintedGoals(), 0);
    scene->onKeyEvent(key(SDLK_h));
    EXPECT_EQ(hintedGoals(), 0) << "H waits for the recharge too";
    run(app, 3200);
    EXPECT_FALSE(hint->isRecharging()) << "the fixture's refill takes 3 s";
    scene->onKeyEvent(key(SDLK_h));
    EXPECT_EQ(hintedGoals(), 1);
    EXPECT_TRUE(hint->isRecharging());
    // The coins of the first step land and the silhouette panel of the second is installed.
    scene->onMousePressed(leftPress(510, 110));
    scene->onMousePressed(leftPress(610, 110));
    run(app, 4000);
    ASSERT_NE(dynamic_cast<SilhouetteGoalRenderer*>(scene->getGoalRenderer()), nullptr);
    EXPECT_EQ(scene->getWidgetManager()->widgetAt(90, 692), hint) << "the new panel does not cover the button";

    TarvikButton* menu = scene->getMainMenuButton();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->getX() + menu->getWidth(), 1024 - 8);
    click(app, menu->getX() + 40, menu->getY() + 40);
    run(app, 2000);
    EXPECT_NE(app.topState(), static_cast<GameState*>(scene)) << "the main-menu button leaves the scene";
    EXPECT_TRUE(ItemRegistry::instance().itemsOfScene(101).empty()) << "the registry is emptied on the way out";
}
