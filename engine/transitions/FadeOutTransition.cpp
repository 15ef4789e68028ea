#include "engine/transitions/FadeOutTransition.hpp"

void FadeOutTransition::begin() {
    startFade(0, 255);
}
