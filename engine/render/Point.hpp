#pragma once

struct Point {
    float x = 0.0f;
    float y = 0.0f;

    Point() = default;
    Point(float px, float py) : x(px), y(py) {}
};
