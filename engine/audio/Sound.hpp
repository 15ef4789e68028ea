#pragma once

#include "engine/core/DeferableResource.hpp"
#include "engine/core/ReferenceCountable.hpp"

// A sound effect loaded into memory. Each play takes any free mixer channel;
// stop, fadeOut and isPlaying concern the channel of the latest play only.
class Sound : public ReferenceCountable, public DeferableResource {
public:
    ~Sound() override = default;
    virtual void play() = 0;
    // loops: extra repetitions after the first; -1 repeats until stopped.
    virtual void play(int loops) = 0;
    virtual void fadeIn(int loops, int ms) = 0;
    virtual void fadeOut(int ms) = 0;
    virtual void stop() = 0;
    virtual bool isPlaying() = 0;
    // How long one play lasts in milliseconds; 0 when unknown or silent.
    virtual int getLength() const { return 0; }
};
