#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "engine/render/Color.hpp"

// The credits text: how long one scroll pass takes, where the lines stand,
// an optional background picture and the lines with their colours.
struct CreditsFile {
    static constexpr int DefaultTiming = 600000;
    static constexpr int DefaultStartX = 800;

    struct Line {
        std::string text;
        Color color;
        int line = 0;
    };

    int globalTiming = DefaultTiming;
    int startX = DefaultStartX;

    // The width a line centred on startX may take on a screen this wide.
    int centredRoom(int screenWidth) const { return 2 * std::max(0, std::min(startX, screenWidth - startX)); }
    std::string background;
    std::vector<Line> lines;

    // Reads a Credits file; every fault is one line naming the file and line
    // (a missing or broken file, a TextLine without string, a colour outside
    // 0..255, a pass that takes no time, a background that does not exist).
    // What could not be read keeps its default.
    bool load(const std::string& path);
};
