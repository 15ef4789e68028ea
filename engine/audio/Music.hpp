#pragma once

#include "engine/core/DeferableResource.hpp"
#include "engine/core/ReferenceCountable.hpp"

// A streamed piece of music. Only one piece plays at a time: starting one
// halts whatever played before. Fades are optional for a backend.
class Music : public ReferenceCountable, public DeferableResource {
public:
    ~Music() override = default;
    // loops: number of plays, -1 repeats until halted.
    virtual void play(int loops) = 0;
    virtual void fadeIn(int /*ms*/, int /*loops*/) {}
    virtual void fadeOut(int /*ms*/) {}
};
