#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "engine/app/InputScript.hpp"

class FrameDriver;

// How a run of the application was asked to behave from the command line.
struct RunOptions {
    std::string contentDir;   // folder that holds config/, images/, ...; empty: next to the executable
    std::string saveDir;      // replaces the application-data base folder when set
    int fullScreen = -1;      // -1: as saved, 0: windowed, 1: full screen
    bool hasSeed = false;
    std::uint32_t seed = 0;
    int fixedStep = 0;        // > 0: every frame advances the clock by exactly this many ms
    long frames = -1;         // >= 0: quit cleanly after this many frames
    std::vector<std::pair<long, std::string>> screenshots;  // frame number, PNG path
    bool hasScript = false;
    InputScript script;       // input replayed frame by frame (implies a manual clock)
    std::string recordFile;   // where the player's input is written as a script
    bool stats = false;       // print the run's figures at exit
    std::string statsJson;    // ... and write them as JSON here
    int startScene = -1;      // >= 0: start straight in this hidden-object scene
    std::string minigameType;  // set: start straight in this minigame ...
    std::string minigameFile;  // ... with this configuration file
    FrameDriver* driver = nullptr;  // set: supplies every frame's input (implies a manual clock)
    bool headless = false;     // no window and no OpenGL: textures stay in memory, drawing goes nowhere
};
