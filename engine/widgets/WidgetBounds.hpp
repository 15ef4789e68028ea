#pragma once

// Position, depth and size of a widget, passed around as one unit. z orders
// drawing and hit testing: larger is nearer the viewer.
struct WidgetBounds {
    int x = 0;
    int y = 0;
    int z = 0;
    int width = 0;
    int height = 0;

    WidgetBounds() = default;
    WidgetBounds(int px, int py, int pz, int w, int h) : x(px), y(py), z(pz), width(w), height(h) {}

    bool operator==(const WidgetBounds& o) const {
        return x == o.x && y == o.y && z == o.z && width == o.width && height == o.height;
    }
};
