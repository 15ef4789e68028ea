#include "game/scene/play/MissPenalty.hpp"

#include <cmath>

bool MissPenalty::miss() {
    if (++misses_ < MissesInARow) {
        return false;
    }
    misses_ = 0;
    elapsed_ = 0;
    angle_ = 0;
    running_ = true;
    return true;
}

bool MissPenalty::update(int milliseconds) {
    if (!running_) {
        return false;
    }
    elapsed_ += milliseconds;
    if (elapsed_ >= Duration) {
        stop();
        return true;
    }
    angle_ = FullAngle * elapsed_ / Duration;
    return false;
}

void MissPenalty::stop() {
    running_ = false;
    angle_ = 0;
    elapsed_ = 0;
}

Point MissPenalty::offset() const {
    const float a = static_cast<float>(angle_) * 3.14159f / 180.0f;
    const float r = static_cast<float>(angle_) * Radius / FullAngle;
    return Point(std::cos(a) * r, std::sin(a) * r);
}
