#include "engine/actions/ParalelAction.hpp"

namespace kve {

void ParalelAction::update(int milliseconds) {
    step(true, milliseconds);
}

void ParalelAction::check() {
    step(false, 0);
}

void ParalelAction::step(bool fed, int milliseconds) {
    if (!running_) {
        return;
    }
    int runningChildren = 0;
    for (Action* child : children_) {
        if (child->isRunning()) {
            ++runningChildren;
            if (fed) {
                child->update(milliseconds);
            } else {
                child->check();
            }
        }
    }
    if (runningChildren == 0) {
        finish();
    }
}

void ParalelAction::start(ActionListener* listener, int tag) {
    Action::start(listener, tag);
    if (children_.empty()) {
        finish();
        return;
    }
    for (std::size_t i = 0; i < children_.size(); ++i) {
        children_[i]->start(this, static_cast<int>(i));
    }
}

ParalelAction* ParalelAction::clone() const {
    return new ParalelAction(*this);
}

Action* ParalelAction::inParallel(Action* other) {
    addAction(other);
    return this;
}

}  // namespace kve
