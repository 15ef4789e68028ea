#pragma once

#include "engine/app/ScriptPlayer.hpp"

// Supplies the input of every frame in place of a player or a script: a
// program that plays the game in the same process. The application asks it
// at the start of each frame, before the update, and it hands its events to
// the sink in design coordinates, as a script would.
class FrameDriver {
public:
    virtual ~FrameDriver() = default;
    virtual void beginFrame(ScriptPlayer::Sink& sink) = 0;
    // True once it has nothing more to do: the run ends after this frame.
    virtual bool finished() const = 0;
};
