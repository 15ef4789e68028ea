#include <gtest/gtest.h>

#include <string>

#include "engine/config/Config.hpp"
#include "game/story/cutscenes/AnimationScreen.hpp"
#include "game/story/cutscenes/CreditsScreen.hpp"
#include "game/story/dialogue/DialogScreen.hpp"
#include "game/story/dialogue/MyDialog.hpp"
#include "support/PngImage.hpp"
#include "support/ProcessRun.hpp"
#include "support/ScratchFolder.hpp"
#include "tests/game/menus/MenuGLFixture.hpp"

namespace {

// The story's screens drawn with the shipped fonts in a real OpenGL context
// (photographs under build/tmp/story-NAME.png): a dialogue of the test story,
// the stand-in cut-scene and the shipped credits.
class StoryPicturesGLTest : public MenuGLFixture {
protected:
    StoryPicturesGLTest() : MenuGLFixture("story-") {}

    // Switches "content/" to the test story once the shipped fonts are loaded.
    void useTestStory() {
        Config::instance().setContentFolder(std::string(CHRONA_TEST_DATA_DIR) + "/story/dialogue");
        app_->getLabelManager()->load("content/config/labels/EN.xml");
        addProfile("Ada");
    }
    // Pixels of a band that are bright grey to white (the words).
    static int whitePixels(const SDLSurfaceImage& shot, const IntRect& band) {
        int count = 0;
        for (int y = band.y; y < band.y + band.h; ++y) {
            for (int x = band.x; x < band.x + band.w; ++x) {
                const Color c = shot.getPixel(x, y);
                count += c.r > 180 && c.g > 180 && c.b > 180 ? 1 : 0;
            }
        }
        return count;
    }
};

}  // namespace

TEST_F(StoryPicturesGLTest, TheSpeakerTalksInHerBoxesOverTheRoom) {
    useTestStory();
    DialogRequest request;
    request.fileName = "content/story/dialogs/Talk.xml";
    DialogScreen* screen = push(new DialogScreen(request));
    frames(20);
    ASSERT_EQ(screen->dialog()->speaker(), 1);
    const auto shot = shoot("dialogue");
    // Orla's words in her box (300, 560, 600 x 120) and her name above it.
    EXPECT_GT(whitePixels(*shot, IntRect(300, 560, 600, 120)), 200);
    EXPECT_GT(whitePixels(*shot, IntRect(300, 520, 200, 36)), 20);
    EXPECT_EQ(whitePixels(*shot, IntRect(120, 300, 150, 200)), 0) << "Bram has not come in yet";
    // The room behind: dusk blue above the floor.
    EXPECT_GT(shot->getPixel(50, 100).b, shot->getPixel(50, 100).r);
}

TEST_F(StoryPicturesGLTest, TheStandInCutsceneAndTheCreditsMidScroll) {
    AnimationRequest mock;
    push(new AnimationScreen(mock));
    frames(2);
    const auto stand = shoot("mock");
    EXPECT_EQ(stand->getPixel(202, 400), Color(255, 0, 255, 255));
    EXPECT_GT(whitePixels(*stand, IntRect(210, 370, 604, 30)), 100);
    app_->popState();

    auto* credits = push(new CreditsScreen("content/config/credits.xml"));
    frames(2);
    app_->manualClock().advance(static_cast<std::uint64_t>(credits->credits().globalTiming / 2));
    frames(2);
    ASSERT_LT(credits->lineY(0), 600);
    ASSERT_GT(credits->lineY(credits->credits().lines.size() - 1), 200);
    const auto shot = shoot("credits");
    // Every white line that stands on screen is written there.
    int written = 0;
    for (std::size_t i = 0; i < credits->credits().lines.size(); ++i) {
        const CreditsFile::Line& line = credits->credits().lines[i];
        const int y = credits->lineY(i);
        if (line.text.size() > 3 && line.color == Color::white() && y > 0 && y < 740) {
            EXPECT_GT(whitePixels(*shot, IntRect(0, y, 1024, 20)), 30) << line.text;
            ++written;
        }
    }
    EXPECT_GT(written, 2);
}

TEST(StoryScenePicture, TheSceneOpensUnderItsCaption) {
    const std::string dir = scratchFolder("sceneintro");
    const std::string caption = pictureFile("story-scene-intro.png");
    const std::string later = pictureFile("story-scene-after-intro.png");
    const ProcessRun run = ProcessRun::run(ProcessRun::chrona() + " --windowed --save-dir " + dir +
                                           " --scene 100 --seed 5 --fixed-step 16 --frames 260 --screenshot 90:" +
                                           caption + " --screenshot 250:" + later);
    ASSERT_EQ(run.exitCode, 0) << run.output;
    PngImage during;
    PngImage after;
    ASSERT_TRUE(during.load(caption));
    ASSERT_TRUE(after.load(later));
    // The caption is written across the middle on a dark band, and both
    // are gone once the intro is over.
    const auto band = [](const PngImage& shot, int& bright) {
        int sum = 0;
        bright = 0;
        for (int y = 340; y < 380; ++y) {
            for (int x = 200; x < 824; ++x) {
                const std::uint8_t* p = shot.pixel(x, y);
                sum += p[0] + p[1] + p[2];
                bright += p[0] > 150 && p[1] > 150 && p[2] > 150 ? 1 : 0;
            }
        }
        return sum / (40 * 624);
    };
    int letters = 0;
    int brightAfter = 0;
    const int darkness = band(during, letters);
    const int daylight = band(after, brightAfter);
    EXPECT_GT(letters, 300) << "the scene's name";
    EXPECT_LT(darkness + 60, daylight) << "the band under it";
    EXPECT_GT(after.distinctColours(), 1000u) << "the painted scene";
}
