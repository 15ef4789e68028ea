#pragma once

#include <functional>

#include "game/story/flow/FlowParameters.hpp"

class ScreenBase;

// Builds the screen of one type from its parameters, or gives none. The
// caller owns the screen and hands it to the state stack.
using ScreenCreator = std::function<ScreenBase*(const FlowParameters&)>;
