#include "game/minigames/dials/DialRing.hpp"

#include <cmath>

DialRing::DialRing(float rotation, float tolerance, float factor)
    : rotation_(rotation), tolerance_(tolerance), factor_(factor) {}

float DialRing::pointerAngle(int px, int py, int x, int y, int w, int h) {
    const int dx = px - w / 2 - x;
    const int dy = py - h / 2 - y;
    return static_cast<float>(std::atan2(static_cast<double>(dy), static_cast<double>(dx)) * 180.0 / 3.1415927);
}

float DialRing::fold(float angle) {
    if (angle > 180.0f) {
        return angle - 360.0f;
    }
    if (angle < -180.0f) {
        return angle + 360.0f;
    }
    return angle;
}

void DialRing::press(float angle) {
    if (!active_) {
        return;
    }
    dragging_ = true;
    lastAngle_ = angle;
}

float DialRing::drag(float angle) {
    if (!active_ || !dragging_) {
        return 0.0f;
    }
    // Crossing the left-hand half line, where atan2 jumps by 360, is a small step.
    const float step = fold(angle - lastAngle_);
    if (step > 0.0f && directionMode_ == OneWay) {
        return step;
    }
    rotation_ += step * factor_;
    if (rotation_ < 0.0f) {
        rotation_ += 360.0f;
    } else if (rotation_ >= 360.0f) {
        rotation_ -= 360.0f;
    }
    lastAngle_ = angle;
    return step;
}

bool DialRing::release() {
    if (!active_) {
        return false;
    }
    dragging_ = false;
    const float distance = fold(rotation_ - home_);
    if (-tolerance_ < distance && distance < tolerance_) {
        rotation_ = home_;
        active_ = false;
        return true;
    }
    return false;
}
