#pragma once

#include "engine/core/EngineContext.hpp"

// The size of the logical canvas that transitions cover: the application's
// screen size, or 1024 x 768 before there is one.
inline int transitionScreenWidth() {
    const int width = EngineContext::instance().screenWidth();
    return width > 0 ? width : 1024;
}

inline int transitionScreenHeight() {
    const int height = EngineContext::instance().screenHeight();
    return height > 0 ? height : 768;
}
