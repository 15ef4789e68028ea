#include "engine/actions/TinyAction.hpp"

#include <algorithm>

#include "engine/actions/ActionListener.hpp"
#include "engine/actions/TinyActionSequence.hpp"
#include "engine/actions/TinyParalelAction.hpp"

TinyAction::TinyAction(const TinyAction& other)
    : ReferenceCountable(other), tag_(other.tag_), listener_(other.listener_) {}

void TinyAction::start(kve::ActionListener* listener, int tag) {
    listener_ = listener;
    tag_ = tag;
    running_ = true;
}

void TinyAction::stop() {
    running_ = false;
}

void TinyAction::finishOverrun(int elapsed, int length, int milliseconds) {
    const long overrun = static_cast<long>(elapsed) - length;
    finish(static_cast<int>(std::clamp<long>(overrun, 0, std::max(milliseconds, 0))));
}

TinyAction* TinyAction::inParallel(TinyAction* other) {
    auto* parallel = new TinyParalelAction();
    parallel->addAction(this);
    parallel->addAction(other);
    return parallel;
}

TinyAction* TinyAction::followedBy(TinyAction* other) {
    auto* sequence = new TinyActionSequence();
    sequence->addAction(this);
    sequence->addAction(other);
    return sequence;
}

void TinyAction::finish(int leftover) {
    leftover_ = leftover;
    running_ = false;
    if (listener_ != nullptr) {
        listener_->actionFinished(tag_);
    }
}
