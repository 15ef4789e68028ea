#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "engine/core/KeyEvent.hpp"
#include "game/story/cutscenes/CutscenePlaceHolder.hpp"
#include "game/story/cutscenes/PlaceHolderScreen.hpp"
#include "game/scene/data/SceneIndex.hpp"
#include "game/story/flow/GameFlow.hpp"
#include "support/RecordingScreenFactory.hpp"
#include "support/TestApp.hpp"

namespace {

class NamedScreen : public ScreenBase {
public:
    explicit NamedScreen(const std::string& name) : ScreenBase(name) {}
    bool built = false;

protected:
    void build() override { built = true; }
    void onEnter() override {}
};

class PlaceHolders : public ::testing::Test {
protected:
    void SetUp() override {
        GameFlow::reset();
        GameFlow::instance().setScreenFactory(std::make_unique<RecordingScreenFactory>());
    }
    void TearDown() override { GameFlow::reset(); }

    // Shows the screen, clicks it once it is shown and lets it leave.
    static void clickThrough(TestApp& app, ScreenBase* screen) {
        for (int i = 0; i < 60 && screen->getPhase() != ScreenBase::Shown; ++i) {
            app.updateStates(16);
        }
        ASSERT_EQ(screen->getPhase(), ScreenBase::Shown);
        screen->onMouseReleased(MouseEvent{});
        for (int i = 0; i < 60 && app.topState() == screen; ++i) {
            app.updateStates(16);
        }
    }

    static std::string topName(const TestApp& app) {
        auto* top = dynamic_cast<ScreenBase*>(app.topState());
        return top ? top->getName() : "<none>";
    }
};

}  // namespace

TEST_F(PlaceHolders, AClickHandsOverToTheFollowerAskedOnlyThenOrToTheMainMenu) {
    TestApp app;
    int asked = 0;
    auto* first = new PlaceHolderScreen("DialogScreen", "DialogScreen", "a.xml",
                                        PlaceHolderScreen::handOverTo([&asked] {
                                            ++asked;
                                            return new NamedScreen("Next");
                                        }));
    app.startState(first);
    app.updateStates(16);
    EXPECT_EQ(asked, 0);
    clickThrough(app, first);
    EXPECT_EQ(asked, 1);
    ASSERT_EQ(app.getStates().size(), 1u);
    EXPECT_EQ(topName(app), "Next");
    // A handed-over screen is built before it is shown, as any started screen.
    EXPECT_TRUE(static_cast<NamedScreen*>(app.topState())->built);

    // A follower that has nothing (the flow is over) leaves the player at the main menu.
    auto* last = new PlaceHolderScreen("Animation", "Animation", "MOCK",
                                       PlaceHolderScreen::handOverTo([] { return nullptr; }));
    app.startState(last);
    clickThrough(app, last);
    ASSERT_EQ(app.getStates().size(), 2u);
    EXPECT_EQ(topName(app), "mainMenu");
}

TEST_F(PlaceHolders, EscapePassesAPlaceholderLikeAClickOnceItIsShown) {
    TestApp app;
    auto* screen = new PlaceHolderScreen("Animation", "Animation", "MOCK",
                                         PlaceHolderScreen::handOverTo([] { return new NamedScreen("Next"); }));
    app.startState(screen);
    KeyEvent escape;
    escape.key = KeyEvent::EscapeKey;
    KeyEvent other;
    other.key = 'a';
    screen->onKeyEvent(other);
    for (int i = 0; i < 60 && screen->getPhase() != ScreenBase::Shown; ++i) {
        app.updateStates(16);
    }
    ASSERT_EQ(screen->getPhase(), ScreenBase::Shown) << "another key does not pass it";
    screen->onKeyEvent(escape);
    for (int i = 0; i < 60 && app.topState() == screen; ++i) {
        app.updateStates(16);
    }
    EXPECT_EQ(topName(app), "Next");
    EXPECT_EQ(app.getStates().size(), 1u);
}

TEST_F(PlaceHolders, TheCutScenePlaceholderMovesTheFlowOn) {
    TestApp app;
    GameFlow& flow = GameFlow::instance();
    flow.registerCreator("Animation", [](const FlowParameters&) { return new NamedScreen("Second"); });
    ASSERT_TRUE(flow.load(std::string(CHRONA_TEST_DATA_DIR) + "/story/flow/TwoCutScenes.xml", SceneIndex()));
    flow.registerCreator("CutscenePlaceHolder", [](const FlowParameters& p) {
        return new CutscenePlaceHolder(p.text("caption"));
    });
    ScreenBase* first = flow.nextScreen(false);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(static_cast<PlaceHolderScreen*>(first)->getCaption(), "The harbour at dawn");
    app.startState(first);
    clickThrough(app, first);
    EXPECT_EQ(flow.position(), 1);
    EXPECT_EQ(topName(app), "Second");
}
