#include <gtest/gtest.h>

#include <string>

#include "support/PngImage.hpp"
#include "support/ScratchFolder.hpp"
#include "tests/game/app/PlayThrough.hpp"

// The game played as a new player would, from an empty save folder: the
// logos, the opening story read to its end, a profile made by typing a name,
// the main menu, a new game, the first location's present scene to its end,
// its past scene through the flow up to the tenth find that opens the portal
// for good, and the quit question. A second start continues into the same
// scene with the same goals and score.
namespace {

using namespace PlayThrough;

// The script with extra commands after its n-th click (a later command only
// waits longer: the game is never behind the script).
std::string afterClick(const std::string& script, int n, const std::string& extra) {
    std::size_t at = 0;
    for (int i = 0; i < n && at != std::string::npos; ++i) {
        at = script.find("\nclick ", at + 1);
    }
    if (at == std::string::npos) {
        ADD_FAILURE() << "the script has fewer than " << n << " clicks";
        return script;
    }
    const std::size_t lineEnd = script.find('\n', at + 1);
    return script.substr(0, lineEnd + 1) + extra + script.substr(lineEnd + 1);
}

}  // namespace

TEST(GameLoop, ANewPlayerPlaysTheFirstLocationQuitsAndContinuesWhereTheyLeft) {
    const std::string dir = scratchFolder("gameloop");
    const std::string save = dir + "save";
    const std::string saveFile = save + "/Chrona/chrona.sav";
    // The gold badge of the first step, caught while it shows.
    const std::string present = afterClick(goalScript(dir + "scene100.txt", "--scene 100").script, 10,
                                           "wait 170\nscreenshot " + pictureFile("gameloop-badge.png") + "\n");
    const std::string past = goalScript(dir + "scene200.txt", "--scene 200 --finds 10 --answer").script;

    const std::string firstRun = firstStart(false) + "screenshot " + pictureFile("gameloop-menu.png") + "\n" +
                                 newGame() + tutorial(false) + present + "expect-screen HOScene\n" + past +
                                 "screenshot " + pictureFile("gameloop-past-portal.png") + "\n" + Quit;
    const ProcessRun first = play(save, dir + "first.txt", firstRun);
    ASSERT_EQ(first.exitCode, 0) << tail(first.output);
    EXPECT_EQ(first.output.find("nothing to find"), std::string::npos) << "every click must find its goal";
    EXPECT_NE(first.output.find("scene 100: ends with 1009"), std::string::npos) << tail(first.output);

    int score = 0;
    SceneState::ItemList goals;
    SceneState::ItemList found;
    {
        const SavedGame game(saveFile);
        ASSERT_TRUE(game.loaded);
        ASSERT_EQ(PlayerProfiles::instance().count(), 1);
        const PlayerProfile* ada = game.player();
        ASSERT_NE(ada, nullptr);
        EXPECT_EQ(ada->name, "Ada");
        EXPECT_EQ(ada->currentScene, 200) << "the present scene led on to its past";
        ASSERT_EQ(ada->sessions.size(), 1u);
        const SessionRecord& session = *ada->sessions.front();
        EXPECT_EQ(ada->currentSession, session.id);
        ASSERT_EQ(session.locations.size(), 3u);
        const LocationEntry& first = *session.locations.front();
        EXPECT_EQ(first.location, 0) << "the first location of the index is always played first";
        EXPECT_EQ(first.present.collectedItems.size(), 30u);
        EXPECT_TRUE(first.present.goalItems.empty());
        EXPECT_EQ(first.present.badge, 0) << "a first visit within the time limit wins gold";
        EXPECT_FALSE(first.present.completed) << "the visit that wins the badge leaves completing to the next";
        EXPECT_EQ(first.past.collectedItems.size(), 10u);
        EXPECT_FALSE(first.past.goalItems.empty()) << "the goals of the step being played";
        EXPECT_TRUE(first.firstFlag) << "the tenth find opened the portal for good";
        EXPECT_TRUE(first.past.opened);
        EXPECT_TRUE(first.thirdFlag);
        EXPECT_GT(ada->score, 0);
        EXPECT_EQ(ada->score, first.present.points + first.past.points);
        score = ada->score;
        goals = first.past.goalItems;
        found = first.past.collectedItems;
    }

    // The second start: the profile is there, the opening (skipped this
    // time) leads to the main menu, and "Continue" opens the past scene again.
    const std::string secondRun = laterStart() + continueGame() + "expect-screen HOScene\nscreenshot " +
                                  pictureFile("gameloop-continued.png") + "\n" + Quit;
    const ProcessRun second = play(save, dir + "second.txt", secondRun);
    ASSERT_EQ(second.exitCode, 0) << tail(second.output);
    const SavedGame game(saveFile);
    ASSERT_TRUE(game.loaded);
    const PlayerProfile* ada = game.player();
    ASSERT_NE(ada, nullptr);
    EXPECT_EQ(ada->currentScene, 200);
    EXPECT_EQ(ada->score, score);
    const LocationEntry& location = *ada->sessions.front()->locations.front();
    EXPECT_EQ(location.past.goalItems, goals) << "the continued scene shows the goals the player left";
    EXPECT_EQ(location.past.collectedItems, found) << "found objects stay found";
    PngImage shot;
    ASSERT_TRUE(shot.load(pictureFile("gameloop-continued.png")));
    EXPECT_GT(shot.distinctColours(), 1000u) << "a painted scene, not a blank screen";
}
