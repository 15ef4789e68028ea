#include "engine/actions/TinyActionSequence.hpp"

TinyActionSequence::TinyActionSequence(const TinyActionSequence& other) : TinyCompositeAction(other) {}

void TinyActionSequence::update(int milliseconds) {
    int remaining = milliseconds;
    while (running_) {
        if (current_ != nullptr && current_->isRunning()) {
            current_->update(remaining);
            if (!seamless_ || current_->isRunning()) {
                return;
            }
            remaining = current_->getLeftover();
        }
        ++index_;
        if (index_ < children_.size()) {
            current_ = children_[index_];
            current_->start(this, static_cast<int>(index_));
            if (!seamless_) {
                return;
            }
        } else {
            current_ = nullptr;
            // The listener may restart this sequence; that run begins next frame.
            finish(remaining);
            return;
        }
    }
}

void TinyActionSequence::start(kve::ActionListener* listener, int tag) {
    index_ = 0;
    current_ = nullptr;
    TinyAction::start(listener, tag);
    if (children_.empty()) {
        finish();
    } else {
        current_ = children_[0];
        current_->start(this, 0);
    }
}

TinyActionSequence* TinyActionSequence::clone() const {
    return new TinyActionSequence(*this);
}

TinyAction* TinyActionSequence::followedBy(TinyAction* other) {
    addAction(other);
    return this;
}
