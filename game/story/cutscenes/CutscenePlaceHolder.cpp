#include "game/story/cutscenes/CutscenePlaceHolder.hpp"

#include "game/story/flow/GameFlow.hpp"

CutscenePlaceHolder::CutscenePlaceHolder(const std::string& caption)
    : PlaceHolderScreen("CutscenePlaceHolder", caption, "",
                        handOverTo([] { return GameFlow::instance().nextScreen(true); })) {}
