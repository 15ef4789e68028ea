#pragma once

#include "engine/resources/ReferenceCountable.hpp"

// A streamed piece of music.
class Music : public ReferenceCountable {
public:
    ~Music() override = default;
};
