#pragma once

#include <cstdint>
#include <vector>

// The coverage of one picture: an alpha byte per pixel, row by row. The scene
// composer reasons about what hides what with these alone, so its placement
// rules work (and are tested) without rendering anything.
struct AlphaMask {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> alpha;

    AlphaMask() = default;
    AlphaMask(int w, int h, std::uint8_t fill = 0)
        : width(w), height(h), alpha(static_cast<std::size_t>(w) * h, fill) {}

    std::uint8_t at(int x, int y) const { return alpha[static_cast<std::size_t>(y) * width + x]; }
    void set(int x, int y, std::uint8_t a) { alpha[static_cast<std::size_t>(y) * width + x] = a; }
};
