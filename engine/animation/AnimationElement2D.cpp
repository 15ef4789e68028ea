#include "engine/animation/AnimationElement2D.hpp"

#include <algorithm>
#include <cmath>
#include <utility>

#include "engine/actions/TinyActionDelay.hpp"
#include "engine/actions/TinyActionSequence.hpp"
#include "engine/actions/TinyLoopAction.hpp"
#include "engine/actions/TinyParalelAction.hpp"
#include "engine/actions/TinyRelIncrementator.hpp"
#include "engine/actions/TinySetter.hpp"
#include "engine/render/Graphics.hpp"
#include "engine/render/Texture.hpp"

namespace {

std::uint8_t colourByte(float value) {
    return static_cast<std::uint8_t>(std::clamp(static_cast<int>(value), 0, 255));
}

}  // namespace

AnimationElement2D::AnimationElement2D(Animation2D* owner, int type, std::string file)
    : owner_(owner), type_(type), file_(std::move(file)) {}

bool AnimationElement2D::addKeyFrame(std::unique_ptr<KeyFrame> keyFrame) {
    const int timeStamp = keyFrame->timeStamp;
    return keyFrames_.emplace(timeStamp, std::move(keyFrame)).second;
}

const KeyFrame* AnimationElement2D::nextKeyFrameAfter(int t) const {
    const auto next = keyFrames_.upper_bound(t);
    return next != keyFrames_.end() ? next->second.get() : nullptr;
}

const KeyFramePropertiesImage* AnimationElement2D::firstImageFrame() const {
    for (auto it = keyFrames_.lower_bound(0); it != keyFrames_.end(); ++it) {
        if (const KeyFramePropertiesImage* image = it->second->image()) {
            return image;
        }
    }
    return nullptr;
}

void AnimationElement2D::setTexture(Texture* texture) {
    texture_ = texture;
    pivotX_ = texture != nullptr ? static_cast<float>(texture->getWidth()) / 2.0f : 0.0f;
    pivotY_ = texture != nullptr ? static_cast<float>(texture->getHeight()) / 2.0f : 0.0f;
    const KeyFramePropertiesImage* first = firstImageFrame();
    first_.reset(first != nullptr ? first->clone() : nullptr);
    reset();
}

void AnimationElement2D::reset() {
    if (first_ == nullptr) {
        return;
    }
    current.x = first_->x;
    current.y = first_->y;
    current.z = first_->z;
    current.angle = first_->angle;
    current.scaleX = first_->scaleX;
    current.scaleY = first_->scaleY;
    current.red = static_cast<float>(first_->red);
    current.green = static_cast<float>(first_->green);
    current.blue = static_cast<float>(first_->blue);
    current.alpha = static_cast<float>(first_->alpha);
}

int AnimationElement2D::depth() const {
    return first_ != nullptr ? static_cast<int>(first_->z) : 0;
}

void AnimationElement2D::draw(Graphics* graphics) const {
    if (texture_ == nullptr || first_ == nullptr) {
        return;
    }
    graphics->pushMatrix();
    graphics->translate(current.x + pivotX_, current.y + pivotY_);
    graphics->rotate(current.angle, 0.0f, 0.0f, 1.0f);
    graphics->scale(current.scaleX * 0.01f, current.scaleY * 0.01f);
    graphics->translate(-pivotX_, -pivotY_);
    graphics->drawImage(0, 0, texture_,
                        Color(colourByte(current.red), colourByte(current.green), colourByte(current.blue),
                              colourByte(current.alpha)));
    graphics->popMatrix();
}

TinyAction* AnimationElement2D::buildTimeline(int depthOffset, bool loop, int length) {
    const KeyFrame* previous = nextKeyFrameAfter(-2);
    if (previous == nullptr) {
        return nullptr;
    }
    auto* sequence = new TinyActionSequence();
    sequence->setSeamless(true);
    // The last image key frame: the values the object holds when a key frame
    // of another kind comes in between.
    const KeyFramePropertiesImage* held = previous->image();
    if (held != nullptr) {
        sequence->addAction(settersFor(*held, depthOffset));
    }
    while (const KeyFrame* next = nextKeyFrameAfter(previous->timeStamp)) {
        const int duration = next->timeStamp - previous->timeStamp;
        const KeyFramePropertiesImage* target = next->image();
        if (target != nullptr && held != nullptr) {
            sequence->addAction(stepBetween(*held, *target, duration));
        } else {
            sequence->addAction(new TinyActionDelay(duration));
            if (target != nullptr) {
                sequence->addAction(settersFor(*target, depthOffset));
            }
        }
        if (target != nullptr) {
            held = target;
        }
        previous = next;
    }
    if (length != previous->timeStamp) {
        sequence->addAction(new TinyActionDelay(length - previous->timeStamp));
    }
    if (loop) {
        return new TinyLoopAction(sequence, -1);
    }
    return sequence;
}

TinyAction* AnimationElement2D::settersFor(const KeyFramePropertiesImage& frame, int depthOffset) {
    auto* setters = new TinyParalelAction();
    setters->setSeamless(true);
    const std::pair<float*, float> values[] = {
        {&current.x, frame.x},
        {&current.y, frame.y},
        {&current.z, frame.z + static_cast<float>(depthOffset)},
        {&current.angle, frame.angle},
        {&current.scaleX, frame.scaleX},
        {&current.scaleY, frame.scaleY},
        {&current.red, static_cast<float>(frame.red)},
        {&current.green, static_cast<float>(frame.green)},
        {&current.blue, static_cast<float>(frame.blue)},
        {&current.alpha, static_cast<float>(frame.alpha)},
    };
    for (const auto& [target, value] : values) {
        setters->addAction(new TinySetter<float>(target, value));
    }
    return setters;
}

TinyAction* AnimationElement2D::stepBetween(const KeyFramePropertiesImage& from, const KeyFramePropertiesImage& to,
                                            int duration) {
    auto* step = new TinyParalelAction();
    step->setSeamless(true);
    const std::pair<float*, float> changes[] = {
        {&current.x, to.x - from.x},
        {&current.y, to.y - from.y},
        {&current.angle, to.angle - from.angle},
        {&current.scaleX, to.scaleX - from.scaleX},
        {&current.scaleY, to.scaleY - from.scaleY},
        {&current.red, static_cast<float>(to.red - from.red)},
        {&current.green, static_cast<float>(to.green - from.green)},
        {&current.blue, static_cast<float>(to.blue - from.blue)},
    };
    for (const auto& [target, change] : changes) {
        if (std::fabs(change) > 0.01f) {
            step->addAction(new TinyRelIncrementator<float>(duration, target, change));
        }
    }
    // Alpha always moves, even by nothing, so the step lasts its whole time.
    step->addAction(new TinyRelIncrementator<float>(duration, &current.alpha, static_cast<float>(to.alpha - from.alpha)));
    return step;
}
