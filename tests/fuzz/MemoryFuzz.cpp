// libFuzzer target: a memory board file, read and its pictures listed.
// Seeds: content/config/minigames/Memory/*.xml tests/data/minigames/memory*.xml
#include <cstdint>

#include "game/minigames/memory/MemoryBoard.hpp"
#include "support/FuzzInputFile.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    MemoryBoard board;
    if (board.load(FuzzInputFile::write(data, size, "memory.xml"))) {
        board.pictures();
        board.pairCount();
    }
    return 0;
}
