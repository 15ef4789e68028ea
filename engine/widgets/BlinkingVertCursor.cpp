#include "engine/widgets/BlinkingVertCursor.hpp"

#include "engine/render/Graphics.hpp"

BlinkingVertCursor::BlinkingVertCursor(int height, const Color& color, int halfPeriod)
    : TextInputCursor(height, color), halfPeriod_(halfPeriod) {}

void BlinkingVertCursor::update(int milliseconds) {
    elapsed_ += milliseconds;
    if (elapsed_ > halfPeriod_) {
        elapsed_ = 0;
        shown_ = !shown_;
    }
}

void BlinkingVertCursor::draw(Graphics* graphics) {
    if (shown_) {
        graphics->fillRect(getX(), getY(), Width, getHeight(), getColor());
    }
}

void BlinkingVertCursor::restart() {
    shown_ = true;
    elapsed_ = 0;
}
