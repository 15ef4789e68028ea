#include <gtest/gtest.h>

#include <string>

#include "support/PngImage.hpp"
#include "support/ScratchFolder.hpp"
#include "tests/game/app/PlayThrough.hpp"

// The first location played to its end in the real game: a new player
// finds everything in its present and past, the way the scenes hand the
// player between them, quitting after each visit and continuing on the next
// start. Completing both times of the place unlocks the first painting piece:
// it flies into the frame, and a click announces the next location. The save
// file then holds the piece as shown.
namespace {

using namespace PlayThrough;

constexpr int kMostStarts = 6;

bool endsWith(const GoalRun& run, int code) {
    return run.output.find("ends with " + std::to_string(code)) != std::string::npos;
}

}  // namespace

TEST(FirstPiece, BothTimesOfTheFirstLocationCompletedUnlockThePieceAndAnnounceTheNextPlace) {
    const std::string dir = scratchFolder("firstpiece");
    const std::string save = dir + "save";
    const std::string saveFile = save + "/Chrona/chrona.sav";

    // The first start: the present to its end, then the past's first visit.
    const std::string present = goalScript(dir + "present.txt", "--scene 100").script;
    const std::string past = goalScript(dir + "past.txt", "--scene 200").script;
    const ProcessRun first = play(save, dir + "start0.txt",
                                  firstStart(true) + newGame() + tutorial(true) + present + "expect-screen HOScene\n" + past + Quit);
    ASSERT_EQ(first.exitCode, 0) << tail(first.output);
    EXPECT_NE(first.output.find("scene 100: ends with 1009"), std::string::npos) << tail(first.output);

    // Every later start continues the scene the player left and plays it to
    // the end of the visit, until the visit that unlocks the piece.
    bool unlocked = false;
    for (int start = 1; start <= kMostStarts && !unlocked; ++start) {
        const std::string name = dir + "start" + std::to_string(start);
        const GoalRun visit = goalScript(name + "-goals.txt", "--save " + saveFile);
        unlocked = endsWith(visit, 1011);
        std::string script = laterStart() + continueGame() + "expect-screen HOScene\n" + visit.script;
        if (unlocked) {
            script += "expect-screen LumoraPieceFoundScreen\nscreenshot " + pictureFile("firstpiece-flying.png") +
                      "\nwait 300\nscreenshot " + pictureFile("firstpiece-placed.png") + "\nclick 512 700\nwait 90\n" +
                      "expect-screen NewLocationScreen\nscreenshot " + pictureFile("firstpiece-next-place.png") +
                      "\n";
        }
        const ProcessRun run = play(save, name + ".txt", script + Quit);
        ASSERT_EQ(run.exitCode, 0) << "start " << start << ": " << tail(run.output);
        EXPECT_EQ(run.output.find("nothing to find"), std::string::npos) << "every click must find its goal";
    }
    ASSERT_TRUE(unlocked) << "the first location was not completed within " << kMostStarts << " starts";

    const SavedGame game(saveFile);
    ASSERT_TRUE(game.loaded);
    const PlayerProfile* ada = game.player();
    ASSERT_NE(ada, nullptr);
    const LocationEntry& place = *ada->sessions.front()->locations.front();
    EXPECT_TRUE(place.present.completed);
    EXPECT_TRUE(place.past.completed);
    ASSERT_EQ(ada->pieceCursor, 0) << "one piece handed out";
    const int piece = ada->pieceOrder.front();
    ASSERT_EQ(ada->piecesShown.count(piece), 1u);
    EXPECT_TRUE(ada->piecesShown.at(piece)) << "the save records the piece as shown";
    EXPECT_EQ(ada->piecesShown.size(), 1u);
    const LocationEntry& next = *ada->sessions.front()->locations.at(1);
    EXPECT_EQ(ada->currentScene, next.present.sceneId) << "the announced place is the one the player goes on to";

    PngImage placed;
    ASSERT_TRUE(placed.load(pictureFile("firstpiece-placed.png")));
    EXPECT_GT(placed.distinctColours(), 500u) << "the painting with its piece, not a blank screen";
}
