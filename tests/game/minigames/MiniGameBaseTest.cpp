#include <gtest/gtest.h>

#include "engine/dialogs/AnimatedDialog.hpp"
#include "engine/widgets/TarvikButton.hpp"
#include "game/minigames/MgPlaceHolder.hpp"
#include "game/scene/controls/SkipButton.hpp"
#include "game/story/flow/ResultCodes.hpp"
#include "game/minigames/MinigameFixture.hpp"

namespace {

using Minigames = MinigameFixture;

TEST_F(Minigames, EachLeaveCodeLeadsWhereItShould) {
    struct Case {
        int code;
        const char* next;
        int position;
    };
    // Skip moves the story on (as done does, see Escape); the main menu leaves the flow where it is.
    for (const Case& c : {Case{ResultCodes::MinigameSkip, "after the minigame", 1},
                          Case{ResultCodes::MinigameMainMenu, "mainMenu", 0}}) {
        GameFlow::instance().setPosition(0);
        auto* game = new MgPlaceHolder("Caption", false, &textures);
        show(game);
        game->onTarvikButton(c.code, 1);
        runUntilGone(game);
        EXPECT_EQ(topName(), c.next) << c.code;
        EXPECT_EQ(GameFlow::instance().position(), c.position) << c.code;
        app.popState();
    }
}

TEST_F(Minigames, AMinigameFromTheExtrasLeadsBackOutOfTheStoryButResetsItself) {
    auto* game = new MgPlaceHolder("Caption", true, &textures);
    show(game);
    game->onKeyEvent(key(KeyEvent::EscapeKey));
    runUntilGone(game);
    EXPECT_EQ(topName(), "mainMenu");
    EXPECT_EQ(GameFlow::instance().position(), 0);
    app.popState();

    auto* again = new MgPlaceHolder("Caption", true, &textures);
    show(again);
    again->onTarvikButton(ResultCodes::MinigameReset, 1);
    runUntilGone(again);
    auto* fresh = dynamic_cast<MgPlaceHolder*>(app.topState());
    ASSERT_NE(fresh, nullptr);
    EXPECT_TRUE(fresh->isFromExtrasMenu());
}

TEST_F(Minigames, ResetGivesAFreshPlaceholderAndOnlyReleasesCount) {
    auto* game = new MgPlaceHolder("The first caption", false, &textures);
    show(game);
    // A press alone, or an id the frame does not know, changes nothing.
    game->onTarvikButton(ResultCodes::MinigameReset, 0);
    game->onTarvikButton(7, 1);
    run(200);
    EXPECT_EQ(game->getLeaveCode(), -1);
    game->onTarvikButton(game->getResetButton()->getId(), 1);
    runUntilGone(game);
    auto* fresh = dynamic_cast<MgPlaceHolder*>(app.topState());
    ASSERT_NE(fresh, nullptr);
    EXPECT_NE(fresh, game);
    EXPECT_EQ(fresh->getCaption(), MgPlaceHolder::ResetCaption);
    EXPECT_EQ(fresh->getLeaveCode(), -1);
    EXPECT_EQ(GameFlow::instance().position(), 0);
}

TEST_F(Minigames, EscapeEndsLikeSolvingButOnlyOnAPress) {
    auto* game = new MgPlaceHolder("Caption", false, &textures);
    show(game);
    game->onKeyEvent(key(KeyEvent::EscapeKey, KeyEvent::Release));
    game->onKeyEvent(key('a'));
    run(100);
    EXPECT_EQ(game->getLeaveCode(), -1);
    game->onKeyEvent(key(KeyEvent::EscapeKey));
    EXPECT_EQ(game->getLeaveCode(), ResultCodes::MinigameDone);
    runUntilGone(game);
    EXPECT_EQ(topName(), "after the minigame");
}

TEST_F(Minigames, TheSkipButtonWaitsForItsCountdownFromTheEntering) {
    auto* game = new MgPlaceHolder("Caption", false, &textures);
    app.startState(game);
    SkipButton* skip = game->getSkipButton();
    ASSERT_NE(skip, nullptr);
    EXPECT_EQ(skip->getId(), ResultCodes::MinigameSkip);
    EXPECT_EQ(skip->getX(), MiniGameBase::SkipX);
    EXPECT_EQ(game->getResetButton()->getX(), MiniGameBase::ResetX);
    show(game);
    // Without tuning the countdown is 30 s, counted from the end of the entering.
    run(29000);
    EXPECT_TRUE(skip->isRecharging());
    EXPECT_FALSE(skip->isActive());
    run(1200);
    EXPECT_FALSE(skip->isRecharging());
    EXPECT_TRUE(skip->isActive());
}

TEST_F(Minigames, TheCongratulationWaitsASecondAndTheScreenLeavesOnlyWhenItCloses) {
    auto* game = new MgPlaceHolder("Caption", false, &textures);
    show(game);
    game->puzzleSolved();
    run(900);
    EXPECT_EQ(game->getSolvedDialog(), nullptr);
    run(200);
    AnimatedDialog* dialog = game->getSolvedDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->getDialogId(), MiniGameBase::SolvedDialogId);
    run(3000);
    EXPECT_EQ(app.topState(), game);
    EXPECT_EQ(game->getLeaveCode(), -1);
    // Escape closes the dialogue, and the dialogue's end ends the game.
    game->onKeyEvent(key(KeyEvent::EscapeKey));
    runUntilGone(game);
    EXPECT_EQ(topName(), "after the minigame");
    EXPECT_EQ(GameFlow::instance().position(), 1);
}

TEST_F(Minigames, APlaceholderIsDoneOnAnyPressOnceShown) {
    auto* game = new MgPlaceHolder("Caption", false, &textures);
    app.startState(game);
    game->onMousePressed(MouseEvent{});
    EXPECT_EQ(game->getLeaveCode(), -1);
    show(game);
    game->onMousePressed(MouseEvent{});
    EXPECT_EQ(game->getLeaveCode(), ResultCodes::MinigameDone);
}

}  // namespace
