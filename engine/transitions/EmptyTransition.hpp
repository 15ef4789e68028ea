#pragma once

#include "engine/transitions/Transition.hpp"

// No effect: finishes, and reports so, inside start.
class EmptyTransition : public Transition {
protected:
    void begin() override { finish(); }
};
