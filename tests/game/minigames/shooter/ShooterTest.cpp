#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/core/ContentPath.hpp"
#include "engine/core/RandomSource.hpp"
#include "game/minigames/MinigameFixture.hpp"
#include "game/minigames/shooter/MgShooter.hpp"
#include "game/minigames/shooter/ShooterConfig.hpp"
#include "game/minigames/shooter/ShooterGame.hpp"
#include "game/persistence/PlayerProfiles.hpp"
#include "game/story/flow/ResultCodes.hpp"
#include "support/LogCapture.hpp"
#include "support/MouseEvents.hpp"

namespace {

std::string data(const std::string& name) {
    return std::string(CHRONA_TEST_DATA_DIR) + "/minigames/" + name;
}

std::vector<int> xs(const TargetLine& line) {
    std::vector<int> result;
    for (const Target& target : line.targets()) {
        result.push_back(target.x);
    }
    return result;
}

TargetLine lineOf(int count, int orientation, int speed = 1, int x = 312, int width = 400) {
    TargetLine line(0, x, 100, width, 80, orientation, speed, 10);
    for (int i = 0; i < count; ++i) {
        line.addTarget(60, 40);
    }
    line.layOut();
    return line;
}

TEST(TargetLine, LaysItsPicturesOutOutsideTheBandOnTheSideTheyEnterFrom) {
    const TargetLine leftwards = lineOf(5, TargetLine::Leftwards);
    EXPECT_EQ(leftwards.getSpacing(), 100);
    EXPECT_EQ(xs(leftwards), (std::vector<int>{762, 862, 962, 1062, 1162}));
    EXPECT_EQ(leftwards.targets()[0].y, 140 - 20);
    const TargetLine rightwards = lineOf(5, TargetLine::Rightwards);
    EXPECT_EQ(xs(rightwards), (std::vector<int>{262, 162, 62, -38, -138}));
    // A single picture is spaced by the whole band.
    EXPECT_EQ(lineOf(1, TargetLine::Leftwards).getSpacing(), 400);
}

TEST(TargetLine, MovesAtItsSpeedAndSendsWhatLeftTheBandRoundBehindTheLast) {
    TargetLine line = lineOf(3, TargetLine::Leftwards, 4, 0, 200);  // spacing 100, pictures at 250, 350, 450
    line.move(false, 0, 60);
    EXPECT_EQ(xs(line), (std::vector<int>{246, 346, 446}));
    // Picture 0 is finished once its disc (60 wide) has wholly passed the left edge: x = 250 - 4 * 78.
    for (int tick = 1; tick < 78; ++tick) {
        line.move(false, 0, 60);
    }
    EXPECT_EQ(line.targets()[0].x, -62);
    EXPECT_TRUE(line.targets()[0].finished);
    EXPECT_FALSE(line.targets()[1].finished);
    // Out of play: it comes round behind picture 2 (its width and a spacing further) and waits a tick.
    int lastX = line.targets()[2].x;
    line.move(false, 0, 60);
    EXPECT_EQ(line.targets()[0].x, lastX + 60 + 100);
    EXPECT_FALSE(line.targets()[0].finished);
    EXPECT_EQ(line.targets()[2].x, lastX - 4);

    // Rightwards is the mirror image.
    TargetLine right = lineOf(2, TargetLine::Rightwards, 3, 0, 200);  // spacing 200: -100, -300
    right.move(false, 0, 60);
    EXPECT_EQ(xs(right), (std::vector<int>{-97, -297}));
    for (int tick = 0; tick < 100; ++tick) {
        right.move(false, 0, 60);
    }
    EXPECT_EQ(right.targets()[0].x, 203);
    EXPECT_TRUE(right.targets()[0].finished);
    lastX = right.targets()[1].x;
    right.move(false, 0, 60);
    EXPECT_EQ(right.targets()[0].x, lastX - 60 - 200);
}

TEST(TargetLine, InTheEndPhaseEverythingRunsAtTwiceTheEndSpeedAndNothingComesRound) {
    TargetLine line = lineOf(3, TargetLine::Leftwards, 1, 0, 200);
    line.move(true, 5, 60);
    EXPECT_EQ(xs(line), (std::vector<int>{240, 340, 440}));
    for (int tick = 0; tick < 60 && !line.allFinished(); ++tick) {
        line.move(true, 5, 60);
    }
    EXPECT_TRUE(line.allFinished());
    const std::vector<int> emptied = xs(line);
    for (int tick = 0; tick < 20; ++tick) {
        line.move(true, 5, 60);
    }
    EXPECT_EQ(xs(line), emptied) << "a passed line stays empty until the next round";
}

// Two lines of three 60 x 40 pictures over 200-pixel bands at x 0.
class Gallery : public ::testing::Test {
protected:
    void SetUp() override {
        for (int index = 0; index < 2; ++index) {
            TargetLine line(index, 0, 100 + 200 * index, 200, 80, index, 2, 10 * (index + 1));
            for (int i = 0; i < 3; ++i) {
                line.addTarget(60, 40);
            }
            game.addLine(line);
        }
        game.setDiscWidth(60);
        // The frame hides everything right of x 180.
        game.setMask([](int x, int) { return x >= 180; });
        game.drawGoal();
        game.startRound();
    }
    // Runs until the goal lies wholly in its band and gives its middle.
    std::pair<int, int> goalInView() {
        for (int i = 0; i < 2000; ++i) {
            // Every picture may be hit: the next round brings a goal again.
            const Target* goal = game.goal();
            if (goal && goal->x >= 10 && goal->x + goal->width <= 150) {
                return {goal->x + goal->width / 2, goal->y + goal->height / 2};
            }
            game.update(16);
        }
        ADD_FAILURE() << "the goal never came into view";
        return {-1, -1};
    }

    SeededRandom random{9};
    ShooterGame game{random};
};

TEST_F(Gallery, GoalsAreDrawnAmongPicturesNotYetInTheirBandAndNotHit) {
    for (int round = 0; round < 200; ++round) {
        game.update(16);
        game.drawGoal();
        const Target* goal = game.goal();
        ASSERT_NE(goal, nullptr);
        EXPECT_FALSE(goal->hit);
        EXPECT_FALSE(game.lines()[static_cast<std::size_t>(goal->line)].holds(*goal));
    }
}

TEST_F(Gallery, AHitScoresItsLineOnceAndEveryOtherShotIsAMissOrElsewhere) {
    const auto [x, y] = goalInView();
    const int line = game.getGoalLine();
    const int item = game.getGoalItem();
    Target& hit = game.lines()[static_cast<std::size_t>(line)].targets()[static_cast<std::size_t>(item)];
    EXPECT_EQ(game.shoot(x, y), ShooterGame::Hit);
    EXPECT_EQ(game.getScore(), 10 * (line + 1));
    EXPECT_EQ(game.getHits(), 1);
    EXPECT_TRUE(hit.hit);
    EXPECT_FALSE(game.getGoalLine() == line && game.getGoalItem() == item) << "a new goal at once";
    // The same spot again: the hit picture is gone from there, so the band is missed.
    EXPECT_EQ(game.shoot(x, y), ShooterGame::Missed);
    EXPECT_EQ(game.getScore(), 10 * (line + 1));
    // It falls 500 pixels in 150 ms and fades over 1.5 s.
    game.update(80);
    EXPECT_GT(hit.yOffset, 200);
    EXPECT_LT(hit.yOffset, 300);
    game.update(80);
    EXPECT_EQ(hit.yOffset, 500);
    for (int t = 0; t < 1500; t += 16) {
        game.update(16);
    }
    EXPECT_EQ(hit.alpha, 0);

    // A picture that is not the goal is a miss; the frame and the wall are elsewhere.
    const auto [gx, gy] = goalInView();
    const int goalLine = game.getGoalLine();
    for (const TargetLine& other : game.lines()) {
        for (const Target& t : other.targets()) {
            if (!t.hit && (t.line != goalLine || t.id != game.getGoalItem()) && t.x >= 0 && t.x + t.width < 180) {
                EXPECT_EQ(game.shoot(t.x + 5, t.y + 5), ShooterGame::Missed);
            }
        }
    }
    EXPECT_EQ(game.shoot(gx, 20), ShooterGame::Elsewhere);
    EXPECT_EQ(game.shoot(190, gy), ShooterGame::Elsewhere) << "behind the frame";
    EXPECT_EQ(game.getHits(), 1);
}

TEST_F(Gallery, RoundsShowTheBannerThenRunOutAndTheGameEndsAfterTheLastOrOnTheWinningHit) {
    EXPECT_EQ(game.getRound(), 1);
    EXPECT_TRUE(game.isBannerShown());
    for (int t = 0; t < ShooterGame::BannerTime; t += 20) {
        game.update(20);
    }
    EXPECT_FALSE(game.isBannerShown());
    EXPECT_FALSE(game.isEndPhase());
    for (int t = ShooterGame::BannerTime; t < ShooterGame::RoundTime; t += 20) {
        game.update(20);
    }
    EXPECT_TRUE(game.isEndPhase());
    for (int t = 0; t < ShooterGame::EndPhaseTime; t += 20) {
        game.update(20);
    }
    EXPECT_EQ(game.getRound(), 2);
    EXPECT_FALSE(game.isEndPhase());
    EXPECT_EQ(xs(game.lines()[0]), (std::vector<int>{250, 350, 450})) << "laid out afresh";
    while (game.isPlaying()) {
        game.update(1000);
    }
    EXPECT_EQ(game.getRound(), ShooterGame::MaxRounds);
    EXPECT_TRUE(game.isOver());
    EXPECT_FALSE(game.isWon());
    EXPECT_EQ(game.shoot(50, 120), ShooterGame::Elsewhere) << "no shots after the end";
}

TEST_F(Gallery, TheTenthHitWins) {
    for (int hit = 1; hit <= ShooterGame::GoalsToWin; ++hit) {
        const auto [x, y] = goalInView();
        ASSERT_EQ(game.shoot(x, y), ShooterGame::Hit) << hit;
        EXPECT_EQ(game.isWon(), hit == ShooterGame::GoalsToWin);
    }
    EXPECT_TRUE(game.isOver());
    EXPECT_EQ(game.goal(), nullptr);
}

TEST(ShooterConfig, ReadsTheLinesAndNamesEveryUnplayableFileByLine) {
    ShooterConfig config;
    ASSERT_TRUE(config.load(data("shooter.xml")));
    ASSERT_EQ(config.lines.size(), 3u);
    EXPECT_EQ(config.lines[1].orientation, 1);
    EXPECT_EQ(config.lines[1].speed, 3);
    EXPECT_EQ(config.lines[2].speed, 2) << "a speed of its own";
    EXPECT_EQ(config.itemPath + config.items[1].fileName, "items/B.png");
    EXPECT_EQ(config.items[1].fileLine, 6);
    EXPECT_EQ(config.lines[2].fileLine, 4);
    // Centred lines carrying their pictures.
    SeededRandom random(1);
    ShooterGame game(random);
    MgShooter::setUp(game, config, 1024, {10, 25, 50}, [](const std::string&) { return std::make_pair(64, 48); });
    ASSERT_EQ(game.lines().size(), 3u);
    EXPECT_EQ(game.lines()[0].getX(), 312);
    EXPECT_EQ(game.lines()[0].targets().size(), 2u);
    EXPECT_EQ(game.lines()[1].getValue(), 25);
    EXPECT_EQ(game.lines()[2].getValue(), 50);
    EXPECT_EQ(game.lines()[2].targets()[0].width, 64);

    LogCapture log;
    struct Fault {
        const char* file;
        const char* where;
    };
    for (const Fault& fault : {Fault{"shooter-empty.xml", "shooter-empty.xml:3: the TargetLine has no LineItem"},
                               Fault{"shooter-speed.xml", "shooter-speed.xml:2: the TargetLine's speed is 0"},
                               Fault{"shooter-huge.xml", "shooter-huge.xml:2: the TargetLine's topLeftY, width"},
                               Fault{"shooter-fast.xml", "shooter-fast.xml:2: the TargetLine's speed is 2000000000"},
                               Fault{"shooter-fourth.xml", "shooter-fourth.xml:5: the TargetLine's speed is 0"},
                               Fault{"shooter-noline.xml", "shooter-noline.xml:4: the LineItem names line 3"},
                               Fault{"shooter-order.xml", "shooter-order.xml:2: the orientation \"up\""},
                               Fault{"shooter-cut.xml", "shooter-cut.xml:"},
                               Fault{"no-such-shooter.xml", "no-such-shooter.xml"}}) {
        ShooterConfig bad;
        EXPECT_FALSE(bad.load(data(fault.file))) << fault.file;
        const std::vector<std::string> lines = log.take();
        ASSERT_EQ(lines.size(), 1u) << fault.file;
        EXPECT_NE(lines.front().find(fault.where), std::string::npos) << lines.front();
    }
}

// The shipped gallery on a window-less screen: every picture is a 64 x 64
// stand-in, so the frame covers only the top-left corner.
class Shooter : public MinigameFixture {
protected:
    void SetUp() override {
        MinigameFixture::SetUp();
        ContentPath::setFolder(CHRONA_CONTENT_DIR);
        PlayerProfiles::reset();
        PlayerProfiles::instance().add("Ann");
        PlayerProfiles::instance().select(0);
    }
    void TearDown() override {
        PlayerProfiles::reset();
        ContentPath::setFolder("");
        MinigameFixture::TearDown();
    }
    MgShooter* start() {
        auto* game = new MgShooter(false, &textures, &random);
        show(game);
        return game;
    }
    // Runs the gallery until its goal lies wholly in its band and shoots it
    // in the middle; gives what the shot scored.
    int shootGoal(MgShooter* game) {
        for (int frame = 0; frame < 3000; ++frame) {
            const ShooterGame& gallery = game->getGame();
            const Target* goal = gallery.goal();
            if (goal && gallery.lines()[static_cast<std::size_t>(goal->line)].holds(*goal)) {
                const int before = gallery.getScore();
                app.deliverMouse(leftPress(goal->x + goal->width / 2, goal->y + goal->height / 2));
                return gallery.getScore() - before;
            }
            app.updateStates(16);
        }
        ADD_FAILURE() << "the goal never came into view";
        return 0;
    }
    int playerScore() const { return PlayerProfiles::instance().currentProfile()->score; }

    SeededRandom random{5};
};

TEST_F(Shooter, HitsScoreTheirLineAndTheScoreGoesToThePlayerWhenTheGalleryIsReset) {
    MgShooter* game = start();
    const ShooterGame& gallery = game->getGame();
    ASSERT_EQ(gallery.lines().size(), 3u);
    EXPECT_EQ(gallery.lines()[0].getX(), (1024 - 700) / 2) << "the lines are centred";
    EXPECT_EQ(gallery.getRound(), 1) << "the first round starts once the screen is in";
    EXPECT_TRUE(gallery.isBannerShown());
    const int line = gallery.getGoalLine();
    ASSERT_GE(line, 0);
    const int value = gallery.lines()[static_cast<std::size_t>(line)].getValue();
    EXPECT_EQ(shootGoal(game), value);
    EXPECT_EQ(gallery.getHits(), 1);
    // A shot at the wall below the gallery changes nothing.
    app.deliverMouse(leftPress(512, 650));
    EXPECT_EQ(gallery.getHits(), 1);
    EXPECT_EQ(gallery.getScore(), value);

    game->onTarvikButton(ResultCodes::MinigameReset, 1);
    runUntilGone(game);
    EXPECT_EQ(playerScore(), value);
    auto* fresh = dynamic_cast<MgShooter*>(app.topState());
    ASSERT_NE(fresh, nullptr) << "reset starts the gallery again";
    show(fresh);
    EXPECT_EQ(fresh->getGame().getScore(), 0);
    EXPECT_EQ(fresh->getGame().getRound(), 1);
}

TEST_F(Shooter, TheWinningHitCongratulatesAndTheFlowGoesOnWithTheScoreBanked) {
    MgShooter* game = start();
    int total = 0;
    for (int hit = 0; hit < ShooterGame::GoalsToWin; ++hit) {
        total += shootGoal(game);
    }
    run(32);
    EXPECT_TRUE(game->isGameWon());
    EXPECT_EQ(game->getGame().getScore(), total);
    closeCongratulation(game);
    EXPECT_EQ(playerScore(), total);
}

TEST_F(Shooter, AGalleryThatCannotBeReadIsPassedOverNamingItsFaultOnce) {
    ContentPath::setFolder(data("broken-gallery"));
    auto* game = new MgShooter(false, &textures, &random);
    app.startState(game);
    run(600);
    EXPECT_EQ(game->getLeaveCode(), ResultCodes::MinigameSkip);
    EXPECT_EQ(game->getGame().getRound(), 0) << "no round starts";
    const std::string text = log.takeText();
    EXPECT_NE(text.find("shooter.xml:3: the orientation \"up\""), std::string::npos) << text;
    EXPECT_EQ(text.find("shooter.xml:3:"), text.rfind("shooter.xml:3:")) << text;
    runUntilGone(game);
    EXPECT_EQ(topName(), "after the minigame");
    EXPECT_EQ(playerScore(), 0);
}

}  // namespace
