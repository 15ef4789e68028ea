#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "engine/core/ContentPath.hpp"
#include "engine/core/ProcessRandom.hpp"
#include "game/minigames/MinigameRun.hpp"
#include "game/minigames/klotsky/KlotskiPuzzle.hpp"
#include "game/minigames/klotsky/KlotskySolver.hpp"
#include "game/minigames/memory/MemoryBoard.hpp"
#include "game/minigames/memory/MgMemory.hpp"
#include "support/PngImage.hpp"

// The shipped sliding-block and memory boards played in the real game.
namespace {

using namespace MinigameRun;

TEST(MinigamesRun, EveryShippedSlidingBoardIsSolvedFromTheSolversScript) {
    struct Board {
        const char* name;
        const char* next;  // the flow's next screen; a board outside the flow starts it over
    };
    for (const Board& board : {Board{"klotsky01", "DialogScreen"}, Board{"klotsky02", "DialogScreen"},
                               Board{"klotsky03", "MgKlotsky"}}) {
        const std::string file = std::string("content/config/minigames/Klotsky/") + board.name + ".xml";
        KlotskiPuzzle puzzle;
        ASSERT_TRUE(puzzle.load(content(file.substr(8))));
        const KlotskySolver::Result solution = KlotskySolver::solve(puzzle);
        ASSERT_TRUE(solution.solvable);
        std::string script = kEnter;
        script += "screenshot " + shots() + "/" + board.name + "-start.png\n";
        // The first move stopped half-way for a picture of a piece on the move.
        const std::string moves = KlotskySolver::script(puzzle, solution.moves);
        const std::size_t firstRelease = moves.find("release");
        script += moves.substr(0, firstRelease) + "screenshot " + shots() + "/" + board.name + "-drag.png\n" +
                  moves.substr(firstRelease);
        script += std::string(kCongratulation) + "screenshot " + shots() + "/" + board.name + "-solved.png\n";
        play("MgKlotsky", file, script, board.next);
        // The board was drawn, not a black or grey screen.
        PngImage start;
        ASSERT_TRUE(start.load(shots() + "/" + board.name + "-start.png")) << board.name;
        EXPECT_GT(start.distinctColours(), 500u) << board.name;
    }
}

TEST(MinigamesRun, EveryShippedMemoryBoardIsSolvedByAScriptThatKnowsTheDeal) {
    struct Board {
        const char* name;
        const char* next;
    };
    // The pictures of the cards: Card.svg is 100 x 120.
    const int width = 100;
    const int height = 120;
    for (const Board& board : {Board{"memory01", "DialogScreen"}, Board{"memory02", "MgKlotsky"}}) {
        const std::string file = std::string("content/config/minigames/Memory/") + board.name + ".xml";
        MemoryBoard layout;
        ASSERT_TRUE(layout.load(content(file.substr(8))));
        // The game deals right after seeding with the run's seed.
        ProcessRandom::instance().seed(kSeed);
        const std::vector<int> deck = MgMemory::deal(layout.pairCount(), ProcessRandom::instance());
        const int x0 = static_cast<int>(
            0.5 * (1024 - (layout.columns - 1) * layout.deltaX - layout.columns * width));
        const int y0 = static_cast<int>(0.5 * (768 - (layout.rows - 1) * layout.deltaY - layout.rows * height));
        auto centre = [&](std::size_t index) {
            const int r = static_cast<int>(index) / layout.columns;
            const int c = static_cast<int>(index) % layout.columns;
            return std::to_string(x0 + c * (layout.deltaX + width) + width / 2) + " " +
                   std::to_string(y0 + r * (layout.deltaY + height) + height / 2);
        };
        std::ostringstream script;
        script << kEnter << "screenshot " << shots() << "/" << board.name << "-start.png\n";
        // A miss first (two cards of different pairs), then every pair.
        std::size_t other = 1;
        while (deck[other] == deck[0]) {
            ++other;
        }
        script << "click " << centre(0) << "\nwait 25\nclick " << centre(other) << "\nwait 25\n";
        script << "screenshot " << shots() << "/" << board.name << "-miss.png\nwait 100\n";
        for (int pair = 0; pair < layout.pairCount(); ++pair) {
            for (std::size_t i = 0; i < deck.size(); ++i) {
                if (deck[i] == pair) {
                    script << "click " << centre(i) << "\nwait 25\n";
                }
            }
            if (pair == 1) {
                script << "screenshot " << shots() << "/" << board.name << "-pairs.png\n";
            }
            script << "wait 20\n";
        }
        script << kCongratulation << "screenshot " << shots() << "/" << board.name << "-solved.png\n";
        play("MgMemory", file, script.str(), board.next);
    }
}

}  // namespace
