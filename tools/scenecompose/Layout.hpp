#pragma once

#include <climits>
#include <vector>

#include "tools/scenecompose/AlphaMask.hpp"

// One picture of a scene as the game draws it: its mask at a position, drawn
// above everything with a smaller (layer, order) pair. Findable pictures (the
// goal candidates and decoys) must stay visible enough to be clicked.
struct Drawable {
    AlphaMask mask;
    int x = 0;
    int y = 0;
    int layer = 0;
    int order = 0;
    bool findable = false;
};

// The pictures of a scene in the making. A picture is only admitted when
// every findable picture (the new one included) keeps at least the minimum share of its
// opaque pixels uncovered by anything drawn above it: the game hit-tests any
// pixel with alpha above 0, so covered means covered by such a pixel.
class Layout {
public:
    // Pixels with at least this alpha count as a picture's own opaque pixels.
    static constexpr int OpaqueAlpha = 128;
    // Layer of the screen areas the game's panels and buttons take.
    static constexpr int PanelLayer = INT_MAX;

    explicit Layout(double minimumVisibleShare) : minimumShare_(minimumVisibleShare) {}

    // Adds the picture when it keeps every findable picture visible enough.
    bool tryAdd(const Drawable& drawable);
    // Adds a rectangle that the game covers with its own widgets.
    void reserve(int x, int y, int width, int height);

    // Share (0..1) of the opaque pixels of picture `index` that nothing covers.
    double visibleShare(std::size_t index) const;
    const std::vector<Drawable>& drawables() const { return drawables_; }
    double minimumShare() const { return minimumShare_; }

private:
    struct Entry {
        int opaque = 0;
        std::vector<bool> covered;  // per pixel of the mask, opaque pixels only
        int coveredCount = 0;
    };

    static bool above(const Drawable& a, const Drawable& b);
    // Opaque pixels of `lower` that `upper` covers and that were not covered yet.
    static std::vector<int> newlyCovered(const Drawable& lower, const Entry& entry, const Drawable& upper);

    double minimumShare_;
    std::vector<Drawable> drawables_;
    std::vector<Entry> entries_;
};
