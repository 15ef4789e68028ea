#include "engine/animation/Animation2D.hpp"

#include <algorithm>

#include "engine/actions/TinyAction.hpp"
#include "engine/animation/AnimationListener.hpp"
#include "engine/render/Graphics.hpp"

Animation2D::Animation2D(int id, AnimationListener* listener) : id_(id), listener_(listener) {}

Animation2D::~Animation2D() = default;

void Animation2D::addElement(std::unique_ptr<AnimationElement2D> element) {
    elements_.push_back(std::move(element));
}

void Animation2D::sortByDepth() {
    std::stable_sort(elements_.begin(), elements_.end(),
                     [](const auto& a, const auto& b) { return a->depth() < b->depth(); });
}

void Animation2D::play(int depthOffset) {
    if (timelines_.empty()) {
        depthOffset_ = depthOffset;
        lastTag_ = -1;
        for (std::size_t i = 0; i < elements_.size(); ++i) {
            TinyAction* timeline = elements_[i]->buildTimeline(depthOffset, loop_, length_);
            if (timeline != nullptr) {
                timelines_.push_back(Timeline{static_cast<int>(i), std::unique_ptr<TinyAction>(timeline)});
                lastTag_ = static_cast<int>(i);
            }
        }
    }
    playing_ = true;
    for (Timeline& timeline : timelines_) {
        if (!timeline.action->isRunning()) {
            timeline.action->start(this, timeline.tag);
        }
    }
}

void Animation2D::stop() {
    for (Timeline& timeline : timelines_) {
        timeline.action->stop();
    }
    if (updating_) {
        std::move(timelines_.begin(), timelines_.end(), std::back_inserter(stoppedTimelines_));
    }
    timelines_.clear();
    playing_ = false;
    for (auto& element : elements_) {
        element->reset();
    }
}

void Animation2D::update(int milliseconds, ScreenBase* /*screen*/) {
    if (paused_) {
        return;
    }
    updating_ = true;
    // By index: a listener told of the end may stop or replay the animation.
    for (std::size_t i = 0; i < timelines_.size(); ++i) {
        timelines_[i].action->update(milliseconds);
    }
    updating_ = false;
    stoppedTimelines_.clear();
}

void Animation2D::draw(Graphics* graphics, ScreenBase* /*screen*/) {
    if (!isVisible()) {
        return;
    }
    for (const auto& element : elements_) {
        element->draw(graphics);
    }
}

void Animation2D::actionFinished(int tag) {
    if (tag != lastTag_) {
        return;
    }
    playing_ = false;
    if (listener_ != nullptr) {
        listener_->animationFinished(id_);
    }
}
