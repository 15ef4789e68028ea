#pragma once

#include <optional>
#include <string>

#include "game/story/flow/FlowParameters.hpp"

// What a "DialogScreen" creator builds: the dialogue (or single animation)
// file, its music and the two flags. The story chain asks for dialogues
// through the same parameters.
struct DialogRequest {
    std::string fileName;
    int musicId = -1;
    int loopMusic = -1;
    bool noPushOnLeave = false;
    bool justPlayAnimation = false;

    // None when fileName is absent: such an entry builds nothing.
    static std::optional<DialogRequest> read(const FlowParameters& parameters);
    FlowParameters parameters() const;
};
