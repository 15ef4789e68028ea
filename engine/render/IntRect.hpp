#pragma once

// An integer rectangle (x, y, width, height): text boxes, outlines, clip areas.
struct IntRect {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;

    IntRect() = default;
    IntRect(int px, int py, int pw, int ph) : x(px), y(py), w(pw), h(ph) {}

    bool contains(int px, int py) const { return px >= x && px < x + w && py >= y && py < y + h; }
};
