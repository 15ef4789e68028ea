#pragma once

#include "engine/app/GameApp.hpp"

// The size of the logical canvas that transitions cover: the application's
// screen size, or 1024 x 768 before there is one.
inline int transitionScreenWidth() {
    return gameApp() != nullptr && gameApp()->getScreenWidth() > 0 ? gameApp()->getScreenWidth() : 1024;
}

inline int transitionScreenHeight() {
    return gameApp() != nullptr && gameApp()->getScreenHeight() > 0 ? gameApp()->getScreenHeight() : 768;
}
