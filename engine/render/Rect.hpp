#pragma once

#include <cmath>

// A source rectangle in texture pixels. Constructed as (left, top, right, bottom).
struct Rect {
    int tag = 0;
    float left = 0.0f;
    float right = 0.0f;
    float top = 0.0f;
    float bottom = 0.0f;

    Rect() = default;
    Rect(float l, float t, float r, float b) : left(l), right(r), top(t), bottom(b) {}

    float width() const { return std::fabs(right - left); }
    float height() const { return std::fabs(bottom - top); }
    int intWidth() const { return static_cast<int>(width()); }
    int intHeight() const { return static_cast<int>(height()); }
};
