// libFuzzer target: a sliding-block board (puzzle and pictures in one file), read, searched and played.
// Seeds: content/config/minigames/Klotsky/*.xml tests/data/minigames/*.xml
#include <cstdint>

#include "game/minigames/klotsky/KlotskiPuzzle.hpp"
#include "game/minigames/klotsky/KlotskySolver.hpp"
#include "support/FuzzInputFile.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    KlotskiPuzzle puzzle;
    if (!puzzle.load(FuzzInputFile::write(data, size, "klotsky.xml"))) {
        return 0;
    }
    const KlotskySolver::Result result = KlotskySolver::solve(puzzle, 2000);
    for (const KlotskySolver::Move& move : result.moves) {
        if (puzzle.canMove(move.marker, move.direction)) {
            puzzle.moveMarker(move.marker, move.direction);
        }
    }
    for (int m = 0; m < puzzle.markerCount(); ++m) {
        for (int direction = 0; direction < 4; ++direction) {
            if (puzzle.canMove(m, direction)) {
                puzzle.moveMarker(m, direction);
            }
        }
        puzzle.markerPixelX(m);
        puzzle.markerPixelY(m);
    }
    puzzle.isSolved();
    return 0;
}
