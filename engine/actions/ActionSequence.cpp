#include "engine/actions/ActionSequence.hpp"

namespace kve {

void ActionSequence::update(int milliseconds) {
    step(true, milliseconds);
}

void ActionSequence::check() {
    step(false, 0);
}

void ActionSequence::step(bool fed, int milliseconds) {
    if (!running_) {
        return;
    }
    if (index_ < children_.size() && children_[index_]->isRunning()) {
        if (fed) {
            children_[index_]->update(milliseconds);
        } else {
            children_[index_]->check();
        }
        return;
    }
    ++index_;
    if (index_ < children_.size()) {
        children_[index_]->start(this, static_cast<int>(index_));
    } else {
        finish();
    }
}

void ActionSequence::start(ActionListener* listener, int tag) {
    index_ = 0;
    Action::start(listener, tag);
    if (children_.empty()) {
        finish();
    } else {
        children_[0]->start(this, 0);
    }
}

ActionSequence* ActionSequence::clone() const {
    return new ActionSequence(*this);
}

Action* ActionSequence::followedBy(Action* other) {
    addAction(other);
    return this;
}

}  // namespace kve
