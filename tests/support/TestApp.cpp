#include "support/TestApp.hpp"

#include <memory>

TestApp::TestApp(int screenWidth, int screenHeight) : GameApp(std::make_unique<ManualClock>()) {
    setScreenSize(screenWidth, screenHeight);
}

bool TestApp::setCursorImage(const std::string& path) {
    cursorImages.push_back(path);
    return cursorImageLoads;
}
