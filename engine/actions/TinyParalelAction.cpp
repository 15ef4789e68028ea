#include "engine/actions/TinyParalelAction.hpp"

#include <algorithm>

void TinyParalelAction::update(int milliseconds) {
    if (!running_) {
        return;
    }
    int runningChildren = 0;
    int stillRunning = 0;
    int leftover = milliseconds;
    for (TinyAction* child : children_) {
        if (child->isRunning()) {
            ++runningChildren;
            child->update(milliseconds);
            if (child->isRunning()) {
                ++stillRunning;
            } else {
                leftover = std::min(leftover, child->getLeftover());
            }
        }
    }
    if (runningChildren == 0 || (seamless_ && stillRunning == 0)) {
        finish(leftover);
    }
}

void TinyParalelAction::start(kve::ActionListener* listener, int tag) {
    TinyAction::start(listener, tag);
    if (children_.empty()) {
        finish();
        return;
    }
    for (std::size_t i = 0; i < children_.size(); ++i) {
        children_[i]->start(this, static_cast<int>(i));
    }
}

TinyParalelAction* TinyParalelAction::clone() const {
    return new TinyParalelAction(*this);
}

TinyAction* TinyParalelAction::inParallel(TinyAction* other) {
    addAction(other);
    return this;
}
