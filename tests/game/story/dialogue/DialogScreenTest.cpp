#include <gtest/gtest.h>

#include <SDL/SDL_keysym.h>

#include <string>
#include <vector>

#include "engine/animation/Animation2D.hpp"
#include "engine/animation/AnimationPlayer.hpp"
#include "game/app/SharedResources.hpp"
#include "game/story/dialogue/DialogScreen.hpp"
#include "game/story/dialogue/DialogScreenListener.hpp"
#include "game/story/dialogue/MyDialog.hpp"
#include "support/FakeFont.hpp"
#include "support/LogCapture.hpp"
#include "tests/game/story/dialogue/StoryFixture.hpp"

namespace {

struct LeaveCounter : DialogScreenListener {
    void dialogScreenLeft(int id) override { ids.push_back(id); }
    std::vector<int> ids;
};

class DialogScreenFlow : public StoryFixture {
protected:
    void SetUp() override {
        StoryFixture::SetUp();
        SharedResources::instance().aldine18 = &font_;
    }
    void TearDown() override {
        SharedResources::reset();
        StoryFixture::TearDown();
    }

    DialogScreen* dialogue(const std::string& file, bool justPlayAnimation = false, bool noPushOnLeave = false) {
        DialogRequest request;
        request.fileName = file;
        request.musicId = 6666;
        request.justPlayAnimation = justPlayAnimation;
        request.noPushOnLeave = noPushOnLeave;
        return push(new DialogScreen(request));
    }
    // A click on the stage, away from the skip button.
    void clickStage() { clickAt([this](const MouseEvent& e) { app_->deliverMouse(e); }, 500, 300); }
    // The words drawn in the last frame.
    std::vector<std::string> drawnText() {
        font_.lines.clear();
        for (GameState* state : app_->getStates()) {
            state->draw(&app_->graphics);
        }
        std::vector<std::string> texts;
        for (const FakeFont::Line& line : font_.lines) {
            texts.push_back(line.text);
        }
        return texts;
    }

    FakeFont font_;
};

bool holds(const std::vector<std::string>& texts, const std::string& wanted) {
    for (const std::string& text : texts) {
        if (text.find(wanted) != std::string::npos) {
            return true;
        }
    }
    return false;
}

}  // namespace

TEST_F(DialogScreenFlow, ADialogueIsClickedThroughWithItsMusicAndTheStoryGoesOn) {
    DialogScreen* screen = dialogue("content/story/dialogs/Talk.xml");
    frames(15);
    EXPECT_EQ(services_.musicIndexes, std::vector<int>{6666});
    ASSERT_EQ(topName(), "DialogScreen");
    ASSERT_NE(screen->dialog(), nullptr);
    EXPECT_EQ(screen->dialog()->speaker(), 1);
    // The speaker's words in her box and her name in the name box.
    const std::vector<std::string> texts = drawnText();
    EXPECT_TRUE(holds(texts, "Good evening, Ada.")) << ::testing::PrintToString(texts);
    EXPECT_TRUE(holds(texts, "Orla"));
    EXPECT_FALSE(holds(texts, "Bram"));
    // Her entry and talking poses play on the screen, one at a time.
    const Animation2D* talking = screen->player().getAnimation(101);
    ASSERT_NE(talking, nullptr);
    EXPECT_TRUE(talking->isVisible());
    EXPECT_EQ(talking->getX(), 620);
    EXPECT_FALSE(screen->player().getAnimation(100)->isVisible());

    // Three steps wait for a click; the rest run on their own.
    for (int click = 1; click <= 3; ++click) {
        ASSERT_EQ(topName(), "DialogScreen") << "after " << click - 1 << " clicks";
        clickStage();
        frames(20);
    }
    // Not part of the story chain and ended normally: the main menu follows.
    EXPECT_EQ(topName(), ScreenTypes::MainMenu);
    EXPECT_EQ(app_->getStates().size(), 1u);
}

TEST_F(DialogScreenFlow, TheSkipButtonAndEscapeEndADialogueAtAnyStep) {
    for (const bool byKey : {false, true}) {
        SCOPED_TRACE(byKey ? "Escape" : "skip button");
        DialogScreen* screen = dialogue("content/story/dialogs/Talk.xml");
        frames(10);
        ASSERT_FALSE(screen->dialog()->isFinished());
        if (byKey) {
            key(SDLK_ESCAPE);
        } else {
            click(screen->skipButton());
        }
        frames(10);
        EXPECT_EQ(topName(), ScreenTypes::MainMenu);
        ASSERT_EQ(app_->getStates().size(), 1u);
        app_->popState();
    }
}

TEST_F(DialogScreenFlow, AChainDialogueHandsOverToTheNextOneEvenWhenItsFileIsMissing) {
    LogCapture log;
    dialogue("content/story/dialogs/IntroScene_03.xml");
    frames(15);
    EXPECT_NE(log.takeText().find("IntroScene_03.xml"), std::string::npos);
    ASSERT_EQ(app_->getStates().size(), 1u);
    const auto* next = dynamic_cast<const FakeScreen*>(app_->topState());
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(next->type(), ScreenTypes::DialogScreen);
    EXPECT_EQ(next->text("fileName"), "content/story/dialogs/IntroScene_04.xml");
}

TEST_F(DialogScreenFlow, AnAnimationPlaysToItsEndOrUntilAClick) {
    // Left alone, it ends with the animation, which starts under the fade-in.
    DialogScreen* screen = dialogue("content/animations/Cut/Second.xml", true);
    frames(3);
    ASSERT_EQ(topName(), "DialogScreen");
    EXPECT_EQ(screen->dialog(), nullptr);
    EXPECT_TRUE(screen->player().isPlaying(DialogScreen::AnimationId));
    frames(12);
    EXPECT_EQ(topName(), ScreenTypes::MainMenu);
    app_->popState();

    // A click cuts a long one short.
    screen = dialogue("content/animations/Cut/Long.xml", true);
    frames(6);
    ASSERT_TRUE(screen->player().isPlaying(DialogScreen::AnimationId));
    clickStage();
    frames(8);
    EXPECT_EQ(topName(), ScreenTypes::MainMenu);
    app_->popState();

    // One that cannot be read is said once and does not hold the story up.
    LogCapture log;
    dialogue("content/animations/Cut/Nothing.xml", true);
    frames(15);
    EXPECT_EQ(topName(), ScreenTypes::MainMenu);
    const std::vector<std::string> lines = log.take();
    ASSERT_EQ(lines.size(), 1u) << ::testing::PrintToString(lines);
    EXPECT_NE(lines[0].find("Nothing.xml"), std::string::npos);
}

TEST_F(DialogScreenFlow, WithoutPushOnLeaveTheScreenBelowIsUncoveredAndTheListenerToldOnce) {
    push(new FakeScreen("Below", FlowParameters()));
    DialogScreen* screen = dialogue("content/story/dialogs/Talk.xml", false, true);
    LeaveCounter listener;
    screen->setLeaveListener(&listener, 42);
    frames(2);
    key(SDLK_ESCAPE);
    key(SDLK_ESCAPE);
    frames(4);
    EXPECT_EQ(topName(), "Below");
    EXPECT_EQ(app_->getStates().size(), 1u);
    EXPECT_EQ(listener.ids, std::vector<int>{42});
}
