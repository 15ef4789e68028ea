#include "game/minigames/shooter/Target.hpp"

#include <algorithm>

void Target::strike() {
    hit = true;
    sinceHit = 0;
}

void Target::update(int milliseconds) {
    if (sinceHit < 0) {
        return;
    }
    sinceHit = std::min(sinceHit + milliseconds, FadeTime);
    yOffset = FallDistance * std::min(sinceHit, FallTime) / FallTime;
    alpha = 255 - 255 * sinceHit / FadeTime;
}
