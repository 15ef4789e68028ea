#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/core/ProcessRandom.hpp"
#include "game/content/AlphaPicture.hpp"
#include "game/minigames/MinigameRun.hpp"
#include "game/minigames/dials/DialsBoard.hpp"
#include "game/minigames/dials/DialsPuzzle.hpp"
#include "game/minigames/dials/DialsSolver.hpp"
#include "support/PngImage.hpp"

// The shipped dials boards played in the real game: the search's order of
// turns, replayed over the angles the seeded run deals, brings every ring
// home and the flow goes on.
namespace {

using namespace MinigameRun;

// How many pixels of the dial differ between two pictures of the same size.
int changedPixels(const PngImage& a, const PngImage& b, const DialsBoard& board, int size) {
    int changed = 0;
    for (int y = board.y; y < board.y + size; ++y) {
        for (int x = board.x; x < board.x + size; ++x) {
            const std::uint8_t* p = a.pixel(x, y);
            const std::uint8_t* q = b.pixel(x, y);
            changed += (p[0] != q[0] || p[1] != q[1] || p[2] != q[2]) ? 1 : 0;
        }
    }
    return changed;
}

TEST(DialsPlay, EveryShippedBoardIsSolvedFromTheSearchsScript) {
    struct Board {
        const char* name;
        const char* next;  // the flow's next screen; a board outside the flow starts it over
    };
    for (const Board& entry : {Board{"dials01", "DialogScreen"}, Board{"dials02", "MgKlotsky"}}) {
        const std::string file = std::string("content/config/minigames/ConcentricDials/") + entry.name + ".xml";
        DialsBoard board;
        ASSERT_TRUE(board.load(baked(file)));
        std::vector<AlphaPicture> rings;
        for (const std::string& dial : board.dials) {
            rings.emplace_back(baked(board.imagePath + dial));
        }
        const DialsSolver::Result solution = DialsSolver::solve(rings);
        ASSERT_TRUE(solution.solvable) << entry.name;
        // The game deals the rings from the run's seed.
        ProcessRandom::instance().seed(kSeed);
        DialsPuzzle dealt;
        dealt.deal(board, ProcessRandom::instance());
        std::vector<int> angles;
        for (const DialRing& ring : dealt.rings()) {
            angles.push_back(static_cast<int>(ring.getRotation()));
        }
        const std::string start = shots() + "/" + entry.name + "-start.png";
        const std::string whole = shots() + "/" + entry.name + "-whole.png";
        const std::string solved = shots() + "/" + entry.name + "-solved.png";
        // The whole dial before the congratulation opens a second later (after the final picture's fade).
        const std::string wait = board.hasFinal ? "wait 90\n" : "wait 30\n";
        const std::string script = std::string(kEnter) + "screenshot " + start + "\n" +
                                   DialsSolver::script(board, rings, angles, solution.turns) + wait + "screenshot " +
                                   whole + "\n" + kCongratulation + "screenshot " + solved + "\n";
        const std::string output = play("MgConcentricDials", file, script, entry.next, "--verbose");
        std::string dealtLine = file + ": the rings start at";
        for (const int angle : angles) {
            dealtLine += " " + std::to_string(angle);
        }
        EXPECT_NE(output.find(dealtLine), std::string::npos) << "the run dealt other angles:\n" << output;

        // The dial was drawn at the start and looks different once whole.
        PngImage before;
        PngImage after;
        ASSERT_TRUE(before.load(start)) << entry.name;
        ASSERT_TRUE(after.load(whole)) << entry.name;
        EXPECT_GT(before.distinctColours(), 500u) << entry.name;
        EXPECT_GT(changedPixels(before, after, board, rings.front().width), rings.front().width * 10) << entry.name;
    }
}

}  // namespace
