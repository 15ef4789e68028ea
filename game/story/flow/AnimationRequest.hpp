#pragma once

#include <string>

#include "game/story/flow/FlowParameters.hpp"

// What an "Animation" creator builds: the cut-scene player for one animation
// file ("MOCK" when none is named), its subtitle key and music id.
struct AnimationRequest {
    std::string configPath = "MOCK";
    std::string subtitles;
    int music = -1;

    static AnimationRequest read(const FlowParameters& parameters);
};
