#pragma once

#include <string>

#include "game/story/flow/FlowParameters.hpp"

// One Screen element of the flow file: its type and every attribute (the
// type included), and the line it was read from.
struct FlowEntry {
    std::string type;
    FlowParameters parameters;
    int line = 0;
};
