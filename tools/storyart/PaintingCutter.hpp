#pragma once

#include <string>

// Cuts a painting (an SVG picture) into 20 jigsaw pieces for the painting
// screen and writes, under CONTENT/images/LumoraPieces/:
// - Piece01.png … Piece20.png, each piece at its size in the painting;
// - Big/Piece01.png … Big/Piece20.png, the same pieces enlarged;
// - LumoraBGEmpty.png, the room (a 1024 × 768 SVG) with the gilt frame and the
//   empty canvas where the outline of every piece is faintly drawn;
// - Pieces.xml, each piece's image, id and the screen position of its top-left
//   corner when laid in the frame.
// The painting keeps the size its SVG gives and is centred in the top part of
// the screen, so replacing the painting is replacing its SVG.
class PaintingCutter {
public:
    static constexpr int Columns = 5;
    static constexpr int Rows = 4;
    static constexpr int ScreenWidth = 1024;
    static constexpr int ScreenHeight = 768;
    static constexpr int CanvasTop = 104;
    static constexpr double BigScale = 2.2;
    static constexpr unsigned CutSeed = 1618;

    // Prints one line naming the file and returns false on a failure.
    static bool cut(const std::string& painting, const std::string& room, const std::string& contentFolder);
};
