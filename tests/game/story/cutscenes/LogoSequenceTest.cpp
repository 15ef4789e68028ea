#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/config/Config.hpp"
#include "engine/core/ContentPath.hpp"
#include "engine/render/CpuTextureFactory.hpp"
#include "game/story/cutscenes/LogoSeqManager.hpp"
#include "support/TestApp.hpp"

namespace {

// Counts how often the logos hand over to the opening cut-scene.
class OpeningApp : public TestApp {
public:
    void startOpeningCutscene() override { ++openings; }
    int openings = 0;
};

Config::LogoScreen logo(const std::string& type, const std::string& file) {
    Config::LogoScreen entry;
    entry.type = type;
    entry.folder = "content/animations/RewardBadges/";
    entry.fileName = file;
    return entry;
}

class LogoSequence : public ::testing::Test {
protected:
    void SetUp() override {
        Config::reset();
        Config::instance().setContentFolder(std::string(CHRONA_TEST_DATA_DIR) + "/hoscene");
    }
    void TearDown() override { Config::reset(); }

    // Runs frames of 50 ms until the sequence is off the stack (at most limit ms).
    static int runToEnd(OpeningApp& app, int limit) {
        int elapsed = 0;
        while (!app.getStates().empty() && elapsed < limit) {
            app.updateStates(50);
            elapsed += 50;
        }
        return elapsed;
    }

    CpuTextureFactory textures_;
};

}  // namespace

TEST_F(LogoSequence, PlaysEachAnimationInTurnSkippingPicturesThenOpensTheStory) {
    OpeningApp app;
    auto* logos = new LogoSeqManager({logo("IMAGE", "still.png"), logo("ANIMATION", "Gold/BadgeAnimGold.xml"),
                                      logo("IMAGE", "still.png"), logo("ANIMATION", "Gold/BadgeAnimGold.xml")},
                                     &textures_);
    app.startState(logos);
    EXPECT_EQ(logos->getIndex(), 1);
    app.updateStates(50);
    app.updateStates(600);
    ASSERT_EQ(app.getStates().size(), 1u);
    EXPECT_EQ(logos->getIndex(), 3);
    EXPECT_EQ(app.openings, 0);
    // Two animations of 600 ms each, not one: the second logo must play too.
    EXPECT_GE(runToEnd(app, 5000), 500);
    EXPECT_TRUE(app.getStates().empty());
    EXPECT_EQ(app.openings, 1);
}

TEST_F(LogoSequence, AListOfPicturesOnlyOrNothingEndsAtOnce) {
    for (const std::vector<Config::LogoScreen>& list :
         {std::vector<Config::LogoScreen>{logo("IMAGE", "a.png"), logo("IMAGE", "b.png")},
          std::vector<Config::LogoScreen>{}}) {
        OpeningApp app;
        app.startState(new LogoSeqManager(list, &textures_));
        app.updateStates(16);
        EXPECT_TRUE(app.getStates().empty());
        EXPECT_EQ(app.openings, 1);
    }
}

TEST_F(LogoSequence, AClickCutsTheRunningLogoShort) {
    OpeningApp app;
    auto* logos = new LogoSeqManager({logo("ANIMATION", "Gold/BadgeAnimGold.xml"),
                                      logo("ANIMATION", "Gold/BadgeAnimGold.xml")},
                                     &textures_);
    app.startState(logos);
    app.updateStates(16);
    MouseEvent release;
    release.kind = MouseEvent::Release;
    logos->onMouseEvent(release);
    EXPECT_EQ(logos->getIndex(), 1);
    logos->onMouseEvent(release);
    app.updateStates(16);
    EXPECT_TRUE(app.getStates().empty());
    EXPECT_EQ(app.openings, 1);
}
