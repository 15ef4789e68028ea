#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A PNG file read into RGBA bytes, for checking what the game drew.
struct PngImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba;

    // False when the file cannot be read as a PNG.
    bool load(const std::string& path);
    const std::uint8_t* pixel(int x, int y) const { return &rgba[(static_cast<std::size_t>(y) * width + x) * 4]; }
    // Number of distinct colours (RGB) in the picture, a cheap "is something drawn" measure.
    std::size_t distinctColours() const;
};
