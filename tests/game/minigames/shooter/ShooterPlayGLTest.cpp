#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "engine/core/ProcessRandom.hpp"
#include "engine/core/RandomSource.hpp"
#include "game/content/AlphaPicture.hpp"
#include "game/minigames/MinigameRun.hpp"
#include "game/minigames/shooter/MgShooter.hpp"
#include "game/minigames/shooter/ShooterConfig.hpp"
#include "game/minigames/shooter/ShooterGame.hpp"
#include "support/PngImage.hpp"

// The shipped gallery won in the real game: the test plays the seeded run's
// gallery through the rules, tick by tick, shoots the first goal where the
// frame hides it (the frame takes the shot) and then each goal in the middle
// of its picture once it is in full view; the clicks go into the script at
// the frames the game reaches those ticks.
namespace {

using namespace MinigameRun;

// Frames of a scripted run before the gallery's first tick: the screen's
// entering, then its first round starts.
const int kFramesBeforePlay = 33;
const int kTick = 16;

struct Shot {
    int tick;
    int x;
    int y;
    int line;  // the goal's
    int item;
    ShooterGame::Shot result;
};

// Where the goal can be shot this tick: the middle of its picture, when the
// picture is wholly in its band, clear of the frame, and stays under the
// pointer for a few ticks either way.
bool aim(const ShooterGame& game, int& x, int& y) {
    const Target* goal = game.goal();
    if (!goal) {
        return false;
    }
    const TargetLine& line = game.lines()[static_cast<std::size_t>(goal->line)];
    const int slack = 3 * line.getSpeed();
    x = goal->x + goal->width / 2;
    y = goal->y + goal->height / 2;
    if (!line.holds(*goal)) {
        return false;
    }
    for (const int dx : {-slack, 0, slack}) {
        if (game.targetAt(x + dx, y) != goal) {
            return false;
        }
    }
    return true;
}

// A point on the goal's picture where the frame hides it, for a few ticks
// either way; false when the frame hides none of it.
bool underFrame(const ShooterGame& game, const AlphaPicture& mask, int& x, int& y) {
    const Target* goal = game.goal();
    if (!goal) {
        return false;
    }
    const int slack = 3 * game.lines()[static_cast<std::size_t>(goal->line)].getSpeed();
    y = goal->y + goal->height / 2;
    for (x = std::max(goal->x + slack, 0); x < std::min(goal->x + goal->width - slack, mask.width); ++x) {
        if (mask.at(x, y) > 0 && game.targetAt(x, y) == nullptr) {
            return true;
        }
    }
    return false;
}

TEST(ShooterPlay, ASeededRunIsWonFromTheShotsTheRulesCompute) {
    ShooterConfig config;
    ASSERT_TRUE(config.load(baked(ShooterConfig::File)));
    // The screen takes its own random source from the process's, seeded with the run's seed.
    ProcessRandom::instance().seed(kSeed);
    SeededRandom random(static_cast<std::uint32_t>(ProcessRandom::instance().next()));
    ShooterGame game(random);
    MgShooter::setUp(game, config, 1024, {10, 25, 50}, [](const std::string& path) {
        const AlphaPicture picture(baked(path));
        return std::make_pair(picture.width, picture.height);
    });
    const AlphaPicture mask(baked(MgShooter::Mask));
    ASSERT_GT(mask.width, 0);
    game.setMask([&mask](int x, int y) {
        return x >= 0 && y >= 0 && x < mask.width && y < mask.height && mask.at(x, y) > 0;
    });
    game.setDiscWidth(AlphaPicture(baked(MgShooter::Disc)).width);
    game.drawGoal();
    game.startRound();

    // First a shot at the goal where the frame hides it, which goes into the
    // frame; then every goal in the middle of its picture.
    std::vector<Shot> plan;
    for (int tick = 0; tick < 20000 && !game.isWon(); ++tick) {
        int x = 0;
        int y = 0;
        // One shot a second at most, as a player would.
        if (plan.empty() || tick - plan.back().tick > 60) {
            const bool framed = plan.empty() && underFrame(game, mask, x, y);
            if (framed || (!plan.empty() && aim(game, x, y))) {
                const Shot shot{tick, x, y, game.getGoalLine(), game.getGoalItem(), game.shoot(x, y)};
                ASSERT_EQ(shot.result, framed ? ShooterGame::Elsewhere : ShooterGame::Hit) << tick;
                plan.push_back(shot);
            }
        }
        game.update(kTick);
    }
    ASSERT_TRUE(game.isWon()) << plan.size() << " shots";
    ASSERT_EQ(plan.size(), static_cast<std::size_t>(ShooterGame::GoalsToWin) + 1);

    std::ostringstream script;
    std::ostringstream planned;
    const std::string falling = shots() + "/shooter-hit.png";
    int frame = 0;
    for (std::size_t i = 0; i < plan.size(); ++i) {
        const int due = plan[i].tick + kFramesBeforePlay;
        script << "wait " << due - frame << "\nmove " << plan[i].x << ' ' << plan[i].y << "\nclick " << plan[i].x
               << ' ' << plan[i].y << "\n";
        frame = due;
        planned << "tick " << plan[i].tick << ": goal " << plan[i].line << ":" << plan[i].item << " at (" << plan[i].x
                << ", " << plan[i].y << ")\n";
        if (i == 3) {
            // The third hit dropping out of its line.
            script << "wait 2\nscreenshot " << falling << "\n";
            frame += 2;
        }
    }
    script << kCongratulation << "screenshot " << shots() << "/shooter-won.png\n";
    const std::string output =
        play("MgShooter", ShooterConfig::File, script.str(), "DialogScreen", "--verbose");
    EXPECT_NE(output.find(std::to_string(ShooterGame::GoalsToWin) + " hits"), std::string::npos) << planned.str();
    EXPECT_EQ(output.find("TARGET_MISSED"), std::string::npos) << planned.str();
    const std::string framed = "in round 1 at " + std::to_string(plan.front().tick * kTick) + " ms: TARGET_ELSEWHERE";
    EXPECT_NE(output.find(framed), std::string::npos) << planned.str() << output;

    PngImage hit;
    ASSERT_TRUE(hit.load(falling));
    EXPECT_GT(hit.distinctColours(), 500u);
}

}  // namespace
