#pragma once

#include "engine/resources/ReferenceCountable.hpp"

// A sound effect loaded into memory.
class Sound : public ReferenceCountable {
public:
    ~Sound() override = default;
};
