#pragma once

#include "engine/app/Clock.hpp"

// SDL's millisecond tick count.
class SDLClock : public Clock {
public:
    std::uint64_t ticks() const override;
};
