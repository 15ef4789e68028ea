#pragma once

#include <functional>

#include "engine/render/Color.hpp"
#include "engine/render/Image.hpp"

// Measures of a picture the game drew, for checks of what the player sees.

inline int brightness(const Color& c) {
    return c.r + c.g + c.b;
}

// How many pixels of the rectangle [left, right) x [top, bottom) pass the test.
inline int countPixels(const Image& image, int left, int top, int right, int bottom,
                       const std::function<bool(const Color&)>& test) {
    int count = 0;
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            count += test(image.getPixel(x, y)) ? 1 : 0;
        }
    }
    return count;
}
