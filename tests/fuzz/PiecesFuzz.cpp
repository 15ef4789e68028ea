// libFuzzer target: the painting-pieces file, Pieces.xml.
// Seeds: content/images/Pieces*.xml tests/data/story/*.xml
#include <cstdint>

#include "game/story/pieces/PiecesFile.hpp"
#include "support/FuzzInputFile.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    PiecesFile pieces;
    pieces.load(FuzzInputFile::write(data, size, "Pieces.xml"));
    for (int id : pieces.pieceIds()) {
        pieces.bigPieceImage(id);
    }
    return 0;
}
