#pragma once

#include <string>

#include "game/story/cutscenes/PlaceHolderScreen.hpp"

// The cut-scene of a flow entry whose content is not there: its caption and
// a click that moves the flow on to its next entry.
class CutscenePlaceHolder : public PlaceHolderScreen {
public:
    explicit CutscenePlaceHolder(const std::string& caption);
};
