#pragma once

#include <string>
#include <vector>

#include "engine/core/Clock.hpp"
#include "engine/app/GameApp.hpp"
#include "support/RecordingGraphics.hpp"

// An application without a window: a manual clock, a recording graphics, a
// settable pointer position and screen size, and a record of the cursor
// images it was asked to show. It publishes itself as gameApp() like the real
// one, so only one may exist at a time.
class TestApp : public GameApp {
public:
    TestApp(int screenWidth = 1024, int screenHeight = 768);

    void init() override {}
    char translateKey(int unicode) override { return (unicode & 0xFF00) == 0 ? static_cast<char>(unicode) : 0; }
    void run() override {}
    Graphics* getGraphics() override { return &graphics; }
    bool setCursorImage(const std::string& path) override;

    using GameApp::setScreenSize;
    ManualClock& manualClock() { return static_cast<ManualClock&>(getClock()); }

    RecordingGraphics graphics;
    std::vector<std::string> cursorImages;
    bool cursorImageLoads = true;
};
