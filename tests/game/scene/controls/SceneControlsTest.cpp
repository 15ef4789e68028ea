#include <gtest/gtest.h>

#include "engine/config/Config.hpp"
#include "engine/core/ContentPath.hpp"
#include "engine/render/CpuTextureFactory.hpp"
#include "engine/widgets/WidgetManager.hpp"
#include "game/scene/controls/RewardWidget.hpp"
#include "game/scene/controls/ScoreNotificationWidget.hpp"
#include "game/scene/controls/ScoreWidget.hpp"
#include "support/BareScreen.hpp"
#include "support/FakeTexture.hpp"
#include "support/RecordingGraphics.hpp"
#include "support/TestApp.hpp"

namespace {

class RewardRecorder : public RewardWidgetListener {
public:
    void rewardStarted(RewardWidget* /*reward*/) override { ++started; }
    void rewardEnded(RewardWidget* /*reward*/) override { ++ended; }
    int started = 0;
    int ended = 0;
};

}  // namespace

TEST(ScoreNotificationWidget, RisesFadesAndRestartsAtTheNextFind) {
    ScoreNotificationWidget note(nullptr);
    EXPECT_TRUE(note.isHidden());
    EXPECT_FALSE(note.isEnabled()) << "it never takes input";
    note.show(100, 300, "+50", Color(255, 220, 0));
    EXPECT_EQ(note.getAlpha(), 255);
    for (int t = 0; t < 750; t += 50) {
        note.update(50, nullptr);
    }
    EXPECT_NEAR(note.getY(), 250, 2);
    EXPECT_NEAR(note.getAlpha(), 128, 3);
    EXPECT_EQ(note.getColor().a, note.getAlpha());
    note.show(400, 500, "+50", Color(255, 220, 0));
    EXPECT_EQ(note.getX(), 400);
    EXPECT_EQ(note.getY(), 500);
    EXPECT_EQ(note.getAlpha(), 255);
    for (int t = 0; t < 1600; t += 50) {
        note.update(50, nullptr);
    }
    EXPECT_EQ(note.getY(), 400);
    EXPECT_EQ(note.getAlpha(), 0);
    EXPECT_TRUE(note.isHidden());
}

TEST(ScoreWidget, NeverFallsBelowZeroAndTakesItsPictureSize) {
    FakeTexture background(180, 64, 256, 64);
    ScoreWidget score(20, 30, nullptr, &background, "Score");
    EXPECT_EQ(score.getWidth(), 180);
    EXPECT_EQ(score.getHeight(), 64);
    score.add(-10);
    EXPECT_EQ(score.getValue(), 0);
    score.add(250);
    score.add(-100);
    EXPECT_EQ(score.getValue(), 150);
    RecordingGraphics graphics;
    score.draw(&graphics, nullptr);
    ASSERT_EQ(graphics.callsOf("drawImage").size(), 1u);
    EXPECT_EQ(graphics.callsOf("drawImage")[0].texture, &background);
}

TEST(RewardWidget, BlocksInputWhileTheBadgePlays) {
    Config::reset();
    Config::instance().setContentFolder(std::string(CHRONA_TEST_DATA_DIR) + "/hoscene");
    Config::instance().load(ContentPath::resolve("content/config/config.xml"));
    TestApp app;
    {
        BareScreen stage;
        CpuTextureFactory textures;
        RewardRecorder recorder;
        auto* reward = new RewardWidget(&recorder, RewardWidget::Gold, "A gold badge!", nullptr, &textures);
        stage.addWidget(reward);
        EXPECT_EQ(reward->getWidth(), 1024);
        EXPECT_EQ(reward->getHeight(), 768);
        reward->play();
        EXPECT_EQ(recorder.started, 1);
        EXPECT_FALSE(stage.getWidgetManager()->isInputEnabled());
        RecordingGraphics graphics;
        reward->draw(&graphics, nullptr);
        ASSERT_FALSE(graphics.callsOf("fillRect").empty());
        EXPECT_EQ(graphics.callsOf("fillRect")[0].color, Color(32, 32, 32, 100));
        for (int t = 0; t < 800 && recorder.ended == 0; t += 50) {
            reward->update(50, &stage);
        }
        EXPECT_EQ(recorder.ended, 1);
        EXPECT_TRUE(stage.getWidgetManager()->isInputEnabled());
        EXPECT_STREQ(RewardWidget::soundName(RewardWidget::Bronze), "BRONZE_REWARD_EFFECT");
        EXPECT_STREQ(RewardWidget::animationFile(RewardWidget::Silver),
                     "content/animations/RewardBadges/Silver/BadgeAnimSilver.xml");
    }
    Config::reset();
}
