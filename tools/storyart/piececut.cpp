// piececut PAINTING.svg ROOM.svg CONTENT_FOLDER
// Cuts the painting into its 20 pieces and writes them with Pieces.xml and
// the empty frame under CONTENT_FOLDER/images/LumoraPieces/.
#include <cstdio>

#include "tools/storyart/PaintingCutter.hpp"

int main(int argc, char** argv) {
    if (argc != 4) {
        std::printf("usage: piececut PAINTING.svg ROOM.svg CONTENT_FOLDER\n");
        return 2;
    }
    return PaintingCutter::cut(argv[1], argv[2], argv[3]) ? 0 : 1;
}
