#pragma once

#include <vector>

struct VideoMode {
    int width = 0;
    int height = 0;

    bool operator==(const VideoMode& o) const { return width == o.width && height == o.height; }
};

// The display modes SDL offers for full screen and the choices made from them.
struct VideoModes {
    enum class Kind { None, Any, Listed };

    Kind kind = Kind::None;
    std::vector<VideoMode> modes;

    // Width / height of the largest mode; 0 when no mode is listed.
    double desktopAspect() const;
    // True when the desktop is wider than 3:2 or cannot be measured.
    bool isWide() const;
    // The full-screen mode for a canvas of the configured size: that size when
    // listed, else the last wide (>= 1.5) mode at least as large; 0 x 0 when
    // none qualifies or any size is accepted.
    VideoMode chooseFullScreen(int configuredWidth, int configuredHeight) const;
};

// Letterbox offsets that centre a canvas of the configured size on a surface.
struct Letterbox {
    int offsetX = 0;
    int offsetY = 0;

    static Letterbox centre(int surfaceWidth, int surfaceHeight, int configuredWidth, int configuredHeight);
};
