#include "engine/widgets/CustomSliderWidget.hpp"

#include <algorithm>

#include "engine/render/Graphics.hpp"
#include "engine/render/Texture.hpp"
#include "engine/widgets/CustomSliderListener.hpp"

CustomSliderWidget::CustomSliderWidget(CustomSliderListener* listener, int id, Texture* knob, Texture* knobOver,
                                       const IntRect& track, int knobXOrigin, int knobY)
    : listener_(listener), id_(id), currentKnob_(knob), knob_(knob), knobOver_(knobOver),
      knobXOrigin_(knobXOrigin), knobY_(knobY), track_(track) {}

void CustomSliderWidget::update(int milliseconds, ScreenBase* /*screen*/) {
    for (FrameAnimation& animation : animations_) {
        animation.elapsed += milliseconds;
        if (animation.frameDuration > 0 && animation.elapsed >= animation.frameDuration) {
            animation.elapsed -= animation.frameDuration;
            if (!animation.paused) {
                animation.frame = (animation.frame + 1) % std::max(1, animation.frames);
            }
        }
    }
}

void CustomSliderWidget::draw(Graphics* graphics, ScreenBase* /*screen*/) {
    if (trackImage_ != nullptr) {
        graphics->drawImage(track_.x, track_.y, trackImage_, Color::white());
    }
    for (const FrameAnimation& animation : animations_) {
        if (animation.strip != nullptr) {
            graphics->drawFrameH(animation.x, animation.y, animation.frames, animation.frame, animation.strip,
                                 Color::white());
        }
    }
    if (currentKnob_ != nullptr) {
        graphics->drawImage(knobLeft(), knobY_, currentKnob_, Color::white());
    }
}

int CustomSliderWidget::knobLeft() const {
    return static_cast<int>(static_cast<float>(track_.w) * value_ + static_cast<float>(knobXOrigin_));
}

bool CustomSliderWidget::hitTest(int x, int y) const {
    const int localX = x - getX();
    const int localY = y - getY();
    const bool onTrack = localX >= track_.x && localX < track_.x + track_.w && localY >= track_.y &&
                         localY < track_.y + track_.h;
    if (onTrack || currentKnob_ == nullptr) {
        return onTrack;
    }
    const int left = knobLeft();
    return localX >= left && localX < left + currentKnob_->getWidth() && localY >= knobY_ &&
           localY < knobY_ + currentKnob_->getHeight();
}

void CustomSliderWidget::onMousePress(const MouseEvent& event) {
    dragging_ = true;
    onMouseMove(event);
}

void CustomSliderWidget::onMouseMove(const MouseEvent& event) {
    if (!dragging_ || track_.w <= 0) {
        return;
    }
    setValue(static_cast<float>(event.x - getX() - knobXOrigin_) / static_cast<float>(track_.w));
    if (listener_ != nullptr) {
        listener_->onSliderChanged(id_, value_);
    }
}

void CustomSliderWidget::onMouseRelease(const MouseEvent& /*event*/) {
    dragging_ = false;
    currentKnob_ = knob_;
}

void CustomSliderWidget::onMouseEnter() {
    if (knobOver_ != nullptr) {
        currentKnob_ = knobOver_;
    }
}

void CustomSliderWidget::onMouseLeave() {
    if (!dragging_) {
        currentKnob_ = knob_;
    }
}

void CustomSliderWidget::setValue(float value) {
    value_ = std::clamp(value, 0.0f, 1.0f);
}

void CustomSliderWidget::addAnimation(const FrameAnimation& animation) {
    animations_.push_back(animation);
}
