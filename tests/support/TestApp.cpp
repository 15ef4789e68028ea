#include "support/TestApp.hpp"

#include "engine/render/GLTextureFactory.hpp"

#include <memory>

TestApp::TestApp(int screenWidth, int screenHeight) : GameApp(std::make_unique<ManualClock>()) {
    setScreenSize(screenWidth, screenHeight);
    setTextureFactory(std::make_unique<GLTextureFactory>());
}

bool TestApp::setCursorImage(const std::string& path) {
    cursorImages.push_back(path);
    return cursorImageLoads;
}
