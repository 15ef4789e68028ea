#include <gtest/gtest.h>

#include <SDL/SDL_keysym.h>

#include <fstream>
#include <string>
#include <vector>

#include "engine/animation/AnimationPlayer.hpp"
#include "game/app/SharedResources.hpp"
#include "game/story/cutscenes/AnimationScreen.hpp"
#include "game/story/cutscenes/CreditsScreen.hpp"
#include "game/story/cutscenes/SceneIntro.hpp"
#include "game/story/cutscenes/SceneIntroListener.hpp"
#include "support/FakeFont.hpp"
#include "support/LogCapture.hpp"
#include "tests/game/story/dialogue/StoryFixture.hpp"

namespace {

struct IntroEnds : SceneIntroListener {
    void sceneIntroEnded() override { ++ends; }
    int ends = 0;
};

class StoryCutscenes : public StoryFixture {
protected:
    void SetUp() override {
        StoryFixture::SetUp();
        SharedResources::instance().trajanPro14 = &font_;
        SharedResources::instance().aldine26 = &font_;
        SharedResources::instance().credits = &font_;
    }
    void TearDown() override {
        SharedResources::reset();
        StoryFixture::TearDown();
    }
    AnimationScreen* cutscene(const std::string& path, int music = -1) {
        AnimationRequest request;
        request.configPath = path;
        request.music = music;
        return push(new AnimationScreen(request));
    }
    void clickStage() { clickAt([this](const MouseEvent& e) { app_->deliverMouse(e); }, 500, 300); }
    // The fills of one drawing of the top screen.
    std::vector<RecordingGraphics::Call> fills() {
        app_->graphics.calls.clear();
        font_.lines.clear();
        app_->topState()->draw(&app_->graphics);
        std::vector<RecordingGraphics::Call> result;
        for (const RecordingGraphics::Call& call : app_->graphics.calls) {
            if (call.op == "fillRect") {
                result.push_back(call);
            }
        }
        return result;
    }

    FakeFont font_;
};

}  // namespace

TEST_F(StoryCutscenes, ACutsceneListPlaysInOrderWithItsMusicThenTheFlowGoesOn) {
    AnimationScreen* screen = cutscene("content/animations/Cut/List.xml", 7777);
    EXPECT_EQ(services_.musicIndexes, std::vector<int>{7777});
    ASSERT_EQ(screen->animations().size(), 2u);
    std::vector<int> order;
    int elapsed = 0;
    while (topName() == "AnimationScreen" && elapsed < 3000) {
        if (order.empty() || order.back() != screen->current()) {
            order.push_back(screen->current());
        }
        app_->updateStates(20);
        elapsed += 20;
    }
    // First (300 ms) then Second (500 ms), then the screen goes.
    EXPECT_EQ(order, (std::vector<int>{0, 1}));
    EXPECT_GE(elapsed, 800);
    EXPECT_LE(elapsed, 1000);
    // The flow has no entry after this one: the main menu follows.
    EXPECT_EQ(topName(), ScreenTypes::MainMenu);
}

TEST_F(StoryCutscenes, ClicksAndEscapeSkipThroughACutscene) {
    AnimationScreen* screen = cutscene("content/animations/Cut/List.xml");
    app_->updateStates(16);
    ASSERT_EQ(screen->current(), 0);
    clickStage();
    EXPECT_EQ(screen->current(), 1);
    EXPECT_TRUE(screen->player().isPlaying(1));
    key(SDLK_ESCAPE);
    app_->updateStates(16);
    EXPECT_EQ(topName(), ScreenTypes::MainMenu);
}

TEST_F(StoryCutscenes, TheMockCutsceneShowsItsFrameAndAClickLeaves) {
    cutscene("MOCK");
    app_->updateStates(16);
    const std::vector<RecordingGraphics::Call> drawn = fills();
    ASSERT_GE(drawn.size(), 3u);
    const RecordingGraphics::Call& frame = drawn[1];
    EXPECT_EQ(frame.args, (std::vector<float>{200, 200, 624, 368}));
    EXPECT_EQ(frame.color, Color(255, 0, 255, 255));
    EXPECT_EQ(drawn[2].color, Color(0, 0, 0, 255));
    ASSERT_EQ(font_.lines.size(), 1u);
    EXPECT_EQ(font_.lines[0].text, AnimationScreen::MockText);
    app_->updateStates(2000);
    EXPECT_EQ(topName(), "AnimationScreen");
    clickStage();
    app_->updateStates(16);
    EXPECT_EQ(topName(), ScreenTypes::MainMenu);
}

TEST_F(StoryCutscenes, ABrokenListIsSaidOnceAndTheCutsceneIsPassedOver) {
    const std::string path = write("List.xml", R"(<AnimationSequence>
<Animation animationPath="content/animations/Cut/Gone.xml"/>
<Animation/>
</AnimationSequence>)");
    LogCapture log;
    cutscene(path);
    app_->updateStates(16);
    app_->updateStates(16);
    EXPECT_EQ(topName(), ScreenTypes::MainMenu);
    const std::string text = log.takeText();
    EXPECT_NE(text.find(path + ":2: the animation \"content/animations/Cut/Gone.xml\" does not exist"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find(path + ":3: the Animation lacks animationPath"), std::string::npos) << text;
    EXPECT_NE(text.find(path + ":1: the cut-scene has no animation"), std::string::npos) << text;
}

TEST_F(StoryCutscenes, TwentyCreditLinesScroll925PixelsAPassAgainAndAgain) {
    std::string credits = R"(<Credits GlobalTiming="10000" StartX="300">)";
    for (int i = 0; i < 20; ++i) {
        credits += R"(<TextLine string="Line )" + std::to_string(i) +
                   R"(" colorR="255" colorG="226" colorB="150" colorA="255"/>)";
    }
    credits += "</Credits>";
    auto* screen = push(new CreditsScreen(write("credits.xml", credits)));
    ASSERT_EQ(screen->credits().lines.size(), 20u);
    EXPECT_FLOAT_EQ(screen->passDistance(), 925.0f);
    // The pass starts once the offset has been set.
    app_->updateStates(16);
    app_->updateStates(16);
    EXPECT_FLOAT_EQ(screen->scrollOffset(), 810.0f);
    EXPECT_EQ(screen->lineY(2), 858);

    // The scroll runs on the game clock: 925 pixels in 10 seconds.
    std::vector<float> offsets;
    for (int t = 0; t < 10000; t += 1000) {
        app_->manualClock().advance(1000);
        app_->updateStates(16);
        offsets.push_back(screen->scrollOffset());
    }
    EXPECT_NEAR(offsets[4], 810.0f - 462.5f, 1.0f);
    EXPECT_TRUE(std::is_sorted(offsets.rbegin(), offsets.rend()));
    EXPECT_NEAR(offsets.back(), 810.0f - 925.0f, 1.0f);
    // Each line is drawn twice, the black shadow one pixel above the line.
    font_.lines.clear();
    app_->topState()->draw(&app_->graphics);
    ASSERT_EQ(font_.lines.size(), 32u) << "the lines on screen: 4 (in part) to 19";
    EXPECT_EQ(font_.lines[0].text, font_.lines[1].text);
    EXPECT_EQ(font_.lines[0].y + 1, font_.lines[1].y);

    // Then the next pass starts below the screen again.
    for (int i = 0; i < 3; ++i) {
        app_->manualClock().advance(16);
        app_->updateStates(16);
    }
    EXPECT_GT(screen->scrollOffset(), 800.0f);

    // A click leaves for the screen below (the options dialog).
    clickStage();
    app_->updateStates(16);
    EXPECT_TRUE(app_->getStates().empty());
}

TEST_F(StoryCutscenes, TheCreditsFileReportsItsFaultsAndKeepsDefaults) {
    const std::string path = write("credits.xml", R"(<Credits GlobalTiming="0" background="content/none.png">
<TextLine colorR="1"/>
<TextLine string="Us" colorR="300" colorG="-1" colorB="9" colorA="255"/>
</Credits>)");
    LogCapture log;
    CreditsFile file;
    ASSERT_TRUE(file.load(path));
    const std::string text = log.takeText();
    for (const char* fault :
         {":1: GlobalTiming must be a positive", ":1: the background \"content/none.png\" does not exist",
          ":2: the TextLine lacks string", ":3: colorR 300 is outside 0..255", ":3: colorG -1 is outside 0..255"}) {
        EXPECT_NE(text.find(path + fault), std::string::npos) << fault << "\n" << text;
    }
    EXPECT_EQ(file.globalTiming, CreditsFile::DefaultTiming);
    EXPECT_EQ(file.startX, CreditsFile::DefaultStartX);
    EXPECT_TRUE(file.background.empty());
    ASSERT_EQ(file.lines.size(), 1u);
    EXPECT_EQ(file.lines[0].color, Color(255, 0, 9, 255));
    EXPECT_FALSE(file.load(folder_.file("none.xml")));
}

TEST_F(StoryCutscenes, TheSceneCaptionFadesInHoldsAndFadesOutThenTheSceneGoesOn) {
    push(new FakeScreen("Scene", FlowParameters()));
    IntroEnds listener;
    auto* intro = push(new SceneIntro("The Clockmaker's Workshop", &listener));
    std::vector<int> alphas;
    for (int t = 0; t < 2200 && app_->topState() == intro; t += 10) {
        app_->updateStates(10);
        alphas.push_back(intro->captionAlpha());
    }
    ASSERT_GE(alphas.size(), 170u);
    // Up over half a second, ...
    EXPECT_GT(alphas[24], 100);
    EXPECT_LT(alphas[24], 155);
    EXPECT_EQ(alphas[52], 255);
    EXPECT_TRUE(std::is_sorted(alphas.begin(), alphas.begin() + 52));
    // ... full for 0.7 s, ...
    EXPECT_EQ(alphas[120], 255);
    // ... down over half a second, then the scene hears the intro is over.
    EXPECT_LT(alphas[150], 255);
    EXPECT_GT(alphas[150], 0);
    EXPECT_LE(alphas.size(), 180u);
    EXPECT_EQ(topName(), "Scene");
    EXPECT_EQ(listener.ends, 1);

    // The caption is the scene's name up to its first dash.
    EXPECT_EQ(SceneIntro::captionOf(100), "The Clockmaker's Workshop");
    EXPECT_EQ(SceneIntro::captionOf(101), "Harbour");
}

TEST_F(StoryCutscenes, TheSceneCaptionIsWrittenOverADimmedScene) {
    auto* intro = push(new SceneIntro(SceneIntro::captionOf(100), nullptr));
    for (int t = 0; t < 600; t += 20) {
        app_->updateStates(20);
    }
    const std::vector<RecordingGraphics::Call> drawn = fills();
    ASSERT_FALSE(drawn.empty());
    EXPECT_EQ(drawn[0].args, (std::vector<float>{0, 0, 1024, 768}));
    EXPECT_EQ(drawn[0].color, Color(32, 32, 32, 100));
    // A dark band under the words, as dark as they are visible.
    ASSERT_EQ(drawn.size(), 2u);
    EXPECT_EQ(drawn[1].color, Color(0, 0, 0, 150));
    EXPECT_LT(drawn[1].args[1], SceneIntro::CaptionY);
    EXPECT_GT(drawn[1].args[1] + drawn[1].args[3], SceneIntro::CaptionY + 20);
    ASSERT_EQ(font_.lines.size(), 1u);
    EXPECT_EQ(font_.lines[0].text, "The Clockmaker's Workshop");
    EXPECT_EQ(font_.lines[0].y, SceneIntro::CaptionY);
    EXPECT_EQ(intro->captionAlpha(), 255);
}
