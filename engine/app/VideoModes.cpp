#include "engine/app/VideoModes.hpp"

double VideoModes::desktopAspect() const {
    if (kind != Kind::Listed || modes.empty()) {
        return 0.0;
    }
    VideoMode best = modes.front();
    for (const VideoMode& m : modes) {
        if (m.width > best.width || m.height > best.height) {
            best = m;
        }
    }
    return best.height > 0 ? static_cast<double>(best.width) / best.height : 0.0;
}

bool VideoModes::isWide() const {
    const double aspect = desktopAspect();
    return aspect <= 0.0 || aspect > 1.5;
}

VideoMode VideoModes::chooseFullScreen(int configuredWidth, int configuredHeight) const {
    if (kind != Kind::Listed) {
        return VideoMode{};
    }
    std::vector<VideoMode> wide;
    for (const VideoMode& m : modes) {
        if (m.width == configuredWidth && m.height == configuredHeight) {
            return m;
        }
        if (m.height > 0 && static_cast<double>(m.width) / m.height >= 1.5) {
            wide.push_back(m);
        }
    }
    for (auto it = wide.rbegin(); it != wide.rend(); ++it) {
        if (it->height >= configuredHeight && it->width >= configuredWidth) {
            return *it;
        }
    }
    return VideoMode{};
}

Letterbox Letterbox::centre(int surfaceWidth, int surfaceHeight, int configuredWidth, int configuredHeight) {
    Letterbox box;
    box.offsetX = surfaceWidth > configuredWidth ? (surfaceWidth - configuredWidth) / 2 : 0;
    box.offsetY = surfaceHeight > configuredHeight ? (surfaceHeight - configuredHeight) / 2 : 0;
    return box;
}
