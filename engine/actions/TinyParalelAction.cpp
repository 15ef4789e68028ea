#include "engine/actions/TinyParalelAction.hpp"

void TinyParalelAction::update(int milliseconds) {
    if (!running_) {
        return;
    }
    int runningChildren = 0;
    for (TinyAction* child : children_) {
        if (child->isRunning()) {
            ++runningChildren;
            child->update(milliseconds);
        }
    }
    if (runningChildren == 0) {
        finish();
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
