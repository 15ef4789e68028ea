#pragma once

#include "engine/core/Clock.hpp"

// SDL's millisecond tick count.
class SDLClock : public Clock {
public:
    std::uint64_t ticks() const override;
};
