#pragma once

#include <string>

#include "game/story/flow/FlowParameters.hpp"

// What a "scene" creator builds: the time-travel scene of one scene id with
// the folder of the scene files and the three rule files.
struct SceneRequest {
    int sceneId = 0;
    std::string configPath;
    std::string itemRendererConf;
    std::string mechanicsConf;
    std::string itemGroupConf;

    static SceneRequest read(const FlowParameters& parameters);
};
