// libFuzzer target: a dials board file, read, dealt and every ring turned round and let go.
// Seeds: content/config/minigames/ConcentricDials/*.xml tests/data/minigames/dials*.xml
#include <cstdint>

#include "engine/core/RandomSource.hpp"
#include "game/minigames/dials/DialsBoard.hpp"
#include "game/minigames/dials/DialsPuzzle.hpp"
#include "support/FuzzInputFile.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    DialsBoard board;
    if (!board.load(FuzzInputFile::write(data, size, "dials.xml"))) {
        return 0;
    }
    board.pictures();
    SeededRandom random(static_cast<std::uint32_t>(size));
    DialsPuzzle puzzle;
    puzzle.deal(board, random);
    for (DialRing& ring : puzzle.rings()) {
        ring.press(0.0f);
        for (int angle = 0; angle > -400; angle -= 7) {
            ring.drag(DialRing::fold(static_cast<float>(angle % 360)));
        }
        ring.release();
    }
    puzzle.isSolved();
    return 0;
}
