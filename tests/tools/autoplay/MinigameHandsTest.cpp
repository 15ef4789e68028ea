#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <string>
#include <vector>

#include "support/ProcessRun.hpp"
#include "support/TempFolder.hpp"

// The whole-game bot started straight in one minigame: it must solve the
// board by input alone (presses and drags at points where the board really
// shows what it means), and the run ends when the minigame has left.
namespace {

struct BotRun {
    int exitCode = -1;
    std::string output;

    // A number printed after the label, -1 when it is not there.
    long figure(const std::string& label) const {
        std::smatch match;
        if (!std::regex_search(output, match, std::regex(label + "(\\d+)"))) {
            return -1;
        }
        return std::stol(match[1]);
    }
};

BotRun play(const std::string& type, const std::string& file, int seed, const std::string& options = "") {
    TempFolder folder;
    const ProcessRun run = ProcessRun::run(std::string("SDL_AUDIODRIVER=dummy ") + CHRONA_AUTOPLAY + " --content " +
                                           CHRONA_CONTENT_DIR + " --save-dir " + folder.file("save") + " --seed " +
                                           std::to_string(seed) + " --minigame " + type + " " + file + " " + options);
    return BotRun{run.exitCode, run.output};
}

TEST(MinigameHands, EveryStoryMinigameIsSolvedByInputAlone) {
    struct Board {
        const char* type;
        const char* file;
        long fewestFrames;  // what the board's animations take at the least
    };
    // Memory: ten pairs, each card turning for 300 ms; the gallery: ten hits
    // after the three-second banner; the boards: a drag of a few frames a move.
    for (const Board& board : {Board{"MgKlotsky", "content/config/minigames/Klotsky/klotsky01.xml", 30},
                               Board{"MgMemory", "content/config/minigames/Memory/memory01.xml", 190},
                               Board{"MgConcentricDials", "content/config/minigames/ConcentricDials/dials01.xml", 20},
                               Board{"MgShooter", "content/config/minigames/Shooter/shooter.xml", 100},
                               Board{"MgKlotsky", "content/config/minigames/Klotsky/klotsky02.xml", 30}}) {
        for (const int seed : {1, 2}) {
            const BotRun run = play(board.type, board.file, seed);
            SCOPED_TRACE(std::string(board.file) + " seed " + std::to_string(seed) + "\n" + run.output);
            EXPECT_EQ(run.exitCode, 0);
            EXPECT_EQ(run.figure("minigames: solved="), 1);
            EXPECT_EQ(run.figure("skipped="), 0);
            const long frames = run.figure(std::string("minigame frames: ") + board.type + "=");
            EXPECT_GE(frames, board.fewestFrames);
            EXPECT_LT(frames, 5000);
            // A perfect memory turns a card once to learn it and once to match it.
            EXPECT_LE(run.figure("most turns of one memory card: "), 2);
            // The aim is where the gallery's own hit test finds the goal.
            EXPECT_EQ(run.figure("gallery shots missed: "), 0);
        }
    }
}

TEST(MinigameHands, ARingDraggedExactlyHomeIsStillLetGo) {
    // With seed 105 the last ring's drag ends exactly on its home angle: the
    // puzzle counts as solved while the button is still down, and the game
    // ends only when it comes up.
    const BotRun run = play("MgConcentricDials", "content/config/minigames/ConcentricDials/dials01.xml", 105);
    SCOPED_TRACE(run.output);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.figure("minigames: solved="), 1);
}

TEST(MinigameHands, TheSameSeedPlaysTheSameGameAndAnotherSeedAnother) {
    TempFolder folder;
    const std::string file = "content/config/minigames/Memory/memory01.xml";
    const BotRun first = play("MgMemory", file, 7, "--record " + folder.file("first.txt"));
    const BotRun again = play("MgMemory", file, 7, "--record " + folder.file("again.txt"));
    const BotRun other = play("MgMemory", file, 8, "--record " + folder.file("other.txt"));
    ASSERT_EQ(first.exitCode, 0) << first.output;
    ASSERT_EQ(again.exitCode, 0) << again.output;
    ASSERT_EQ(other.exitCode, 0) << other.output;
    const auto script = [&folder](const char* name) {
        const std::vector<unsigned char> bytes = TempFolder::readAll(folder.file(name));
        return std::string(bytes.begin(), bytes.end());
    };
    EXPECT_GT(script("first.txt").size(), 200u);
    EXPECT_EQ(script("first.txt"), script("again.txt"));
    EXPECT_NE(script("first.txt"), script("other.txt"));
}

TEST(MinigameHands, AHastyPlayerSkipsItsFirstMinigame) {
    const BotRun hasty = play("MgKlotsky", "content/config/minigames/Klotsky/klotsky01.xml", 1, "--style hasty");
    EXPECT_EQ(hasty.exitCode, 0) << hasty.output;
    EXPECT_EQ(hasty.figure("minigames: solved="), 0) << hasty.output;
    EXPECT_EQ(hasty.figure("skipped="), 1) << hasty.output;
}

TEST(MinigameHands, GearedRingsWithATightSnapAreSolvedAndABoardWithoutAWayOutFailsTheRun) {
    TempFolder folder;
    // The rings turn 2.5 degrees per degree of the pointer and snap within 1 degree only.
    const std::vector<unsigned char> bytes =
        TempFolder::readAll(std::string(CHRONA_CONTENT_DIR) + "/config/minigames/ConcentricDials/dials01.xml");
    std::string dials(bytes.begin(), bytes.end());
    const std::string loose = "AngleTolerance=\"6.0\" RotationFactor=\"1.0\"";
    ASSERT_NE(dials.find(loose), std::string::npos);
    dials.replace(dials.find(loose), loose.size(), "AngleTolerance=\"1.0\" RotationFactor=\"2.5\"");
    std::ofstream(folder.file("geared.xml")) << dials;
    for (const int seed : {1, 2}) {
        const BotRun geared = play("MgConcentricDials", folder.file("geared.xml"), seed);
        EXPECT_EQ(geared.exitCode, 0) << geared.output;
        EXPECT_EQ(geared.figure("minigames: solved="), 1) << geared.output;
    }

    // The gold block cannot leave: the block beside it has no room to move.
    std::ofstream(folder.file("stuck.xml"))
        << "<Game xOffset=\"242\" yOffset=\"102\" widthInFields=\"3\" heightInFields=\"1\" fieldSizeInPixels=\"90\"\n"
           "      goalMarkerID=\"0\" goalFieldID=\"3\" imagePath=\"content/images/minigames/MgKlotsky01/\"\n"
           "      background=\"Bg.png\">\n"
           "  <StartField x=\"242\" y=\"102\"/>\n"
           "  <Field id=\"1\" row=\"1\" column=\"1\" active=\"1\"/>\n"
           "  <Field id=\"2\" row=\"1\" column=\"2\" active=\"1\"/>\n"
           "  <Field id=\"3\" row=\"1\" column=\"3\" active=\"1\"/>\n"
           "  <Marker id=\"0\" horizontalMovement=\"1\" verticalMovement=\"0\" texturePath=\"Goal2H.png\">\n"
           "    <Position fieldId=\"1\" fieldRow=\"1\" fieldColumn=\"1\"/>\n"
           "  </Marker>\n"
           "  <Marker id=\"1\" horizontalMovement=\"0\" verticalMovement=\"1\" texturePath=\"Block2V.png\">\n"
           "    <Position fieldId=\"2\" fieldRow=\"1\" fieldColumn=\"2\"/>\n"
           "  </Marker>\n"
           "</Game>\n";
    const BotRun stuck = play("MgKlotsky", folder.file("stuck.xml"), 1);
    EXPECT_EQ(stuck.exitCode, 1) << stuck.output;
    EXPECT_NE(stuck.output.find("FAILED on MgKlotsky"), std::string::npos) << stuck.output;
    EXPECT_NE(stuck.output.find("cannot be solved"), std::string::npos) << stuck.output;
}

}  // namespace
