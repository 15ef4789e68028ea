#pragma once

#include "engine/transitions/FadeInTransition.hpp"

// A fade to black: the veil's alpha runs from 0 to 255 over the duration.
class FadeOutTransition : public FadeInTransition {
public:
    using FadeInTransition::FadeInTransition;

protected:
    void begin() override;
};
