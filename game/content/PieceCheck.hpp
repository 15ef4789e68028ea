#pragma once

#include "game/content/ContentFiles.hpp"

// Checks the painting's pieces file: 20 pieces with distinct ids 0..19, each
// with its picture and its enlarged picture, and laid in the frame the
// pieces cover the painting once: no two overlap and no gap is left.
class PieceCheck {
public:
    static constexpr const char* File = "content/images/LumoraPieces/Pieces.xml";
    static constexpr int PieceCount = 20;
    // A pixel belongs to a piece from this alpha on; the soft edges of two
    // neighbours never both reach it.
    static constexpr int SolidAlpha = 160;
    // A pixel whose pieces together stay below this alpha is a gap.
    static constexpr int CoveredAlpha = 96;

    explicit PieceCheck(const ContentFiles& files) : files_(files) {}

    void run();

private:
    const ContentFiles& files_;
};
