#pragma once

#include <cstdint>
#include <vector>

// One rendered glyph: coverage (0..255) and, for decorated fonts, the final
// RGBA pixels. left and top place it against the pen origin on the baseline
// (top counts upwards, as in FreeType).
struct GlyphBitmap {
    int width = 0;
    int height = 0;
    int left = 0;
    int top = 0;
    std::vector<std::uint8_t> coverage;
    std::vector<std::uint8_t> rgba;

    // Surrounds the glyph with a dark outline of the given thickness and a soft
    // dark glow beyond it; the fill stays white so that tinting colours it.
    // The bitmap grows by the outline plus the glow on every side.
    void addOutlineAndGlow(int thickness, int glowRadius);
};
