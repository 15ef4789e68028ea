#pragma once

#include <string>
#include <vector>

// Alpha bytes of a picture, row by row; empty when it cannot be read.
struct AlphaPicture {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> alpha;

    AlphaPicture() = default;
    explicit AlphaPicture(const std::string& path);
    unsigned char at(int x, int y) const { return alpha[static_cast<std::size_t>(y) * width + x]; }
};
