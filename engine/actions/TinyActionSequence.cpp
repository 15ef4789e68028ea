#include "engine/actions/TinyActionSequence.hpp"

TinyActionSequence::TinyActionSequence(const TinyActionSequence& other) : TinyCompositeAction(other) {}

void TinyActionSequence::update(int milliseconds) {
    if (!running_) {
        return;
    }
    if (current_ != nullptr && current_->isRunning()) {
        current_->update(milliseconds);
        return;
    }
    ++index_;
    if (index_ < children_.size()) {
        current_ = children_[index_];
        current_->start(this, static_cast<int>(index_));
    } else {
        current_ = nullptr;
        finish();
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
