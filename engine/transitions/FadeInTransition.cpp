#include "engine/transitions/FadeInTransition.hpp"

#include <algorithm>

#include "engine/render/Graphics.hpp"
#include "engine/transitions/ScreenArea.hpp"

FadeInTransition::FadeInTransition(int duration) : duration_(duration) {}

void FadeInTransition::begin() {
    startFade(255, -255);
}

void FadeInTransition::startFade(int from, int delta) {
    alpha_ = from;
    endAlpha_ = from + delta;
    action_ = std::make_unique<TinyRelIncrementator<int>>(duration_, &alpha_, delta);
    action_->start(nullptr, 0);
}

void FadeInTransition::update(int milliseconds) {
    if (!isRunning()) {
        return;
    }
    if (action_ != nullptr && action_->isRunning()) {
        action_->update(milliseconds);
        alpha_ = std::clamp(alpha_, 0, 255);
    } else {
        alpha_ = endAlpha_;
        finish();
    }
}

void FadeInTransition::drawUpper(Graphics* graphics) {
    graphics->fillRect(0, 0, transitionScreenWidth(), transitionScreenHeight(),
                       Color(0, 0, 0, static_cast<std::uint8_t>(alpha_)));
}
