#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "engine/core/KeyEvent.hpp"
#include "engine/screens/ScreenBase.hpp"
#include "game/minigames/MiniGameBase.hpp"
#include "game/scene/data/SceneIndex.hpp"
#include "game/story/flow/GameFlow.hpp"
#include "game/story/flow/ScreenTypes.hpp"
#include "support/FakeTextureFactory.hpp"
#include "support/LogCapture.hpp"
#include "support/RecordingScreenFactory.hpp"
#include "support/TestApp.hpp"

// A window-less application with a three-entry flow (a minigame, then two
// fake screens) whose position stands on the minigame, and the helpers that
// run a minigame screen frame by frame.
class MinigameFixture : public ::testing::Test {
protected:
    static std::string data(const std::string& name) {
        return std::string(CHRONA_TEST_DATA_DIR) + "/minigames/" + name;
    }

    void SetUp() override {
        GameFlow::reset();
        GameFlow& flow = GameFlow::instance();
        flow.setScreenFactory(std::make_unique<RecordingScreenFactory>());
        flow.registerCreator(ScreenTypes::CutscenePlaceHolder, [](const FlowParameters& parameters) {
            return new FakeScreen(parameters.text("caption"), parameters);
        });
        flow.load(data("flow.xml"), SceneIndex());
        flow.setPosition(0);
    }
    void TearDown() override { GameFlow::reset(); }

    void run(int milliseconds) {
        for (int t = 0; t < milliseconds; t += 16) {
            app.updateStates(16);
        }
    }
    // Starts the screen (unless it is on top already) and runs it until its entering has ended.
    void show(ScreenBase* screen) {
        if (app.topState() != screen) {
            app.startState(screen);
        }
        for (int i = 0; i < 100 && screen->getPhase() != ScreenBase::Shown; ++i) {
            app.updateStates(16);
        }
        ASSERT_EQ(screen->getPhase(), ScreenBase::Shown);
    }
    // Runs until the screen has left the stack (at most two seconds).
    void runUntilGone(const ScreenBase* screen) {
        for (int i = 0; i < 125 && app.topState() == screen; ++i) {
            app.updateStates(16);
        }
    }
    // The congratulation of a solved game: it opens after a second; once it
    // is shown Escape closes it and the flow's next screen follows.
    void closeCongratulation(MiniGameBase* game) {
        run(1100);
        ASSERT_NE(game->getSolvedDialog(), nullptr);
        run(3000);
        game->onKeyEvent(key(KeyEvent::EscapeKey));
        runUntilGone(game);
        EXPECT_EQ(topName(), "after the minigame");
    }
    std::string topName() const {
        auto* top = dynamic_cast<ScreenBase*>(app.topState());
        return top ? top->getName() : "<none>";
    }
    static KeyEvent key(int code, int action = KeyEvent::Press) {
        KeyEvent event;
        event.key = code;
        event.action = action;
        return event;
    }

    LogCapture log;
    TestApp app;
    FakeTextureFactory textures;
};
