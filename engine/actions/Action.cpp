#include "engine/actions/Action.hpp"

#include "engine/actions/ActionListener.hpp"
#include "engine/actions/ActionSequence.hpp"
#include "engine/actions/ParalelAction.hpp"

namespace kve {

Action::Action(const Action& other)
    : ReferenceCountable(other), id_(other.id_), tag_(other.tag_), listener_(other.listener_) {}

void Action::update(int /*milliseconds*/) {
    check();
}

void Action::check() {}

void Action::start(ActionListener* listener, int tag) {
    listener_ = listener;
    tag_ = tag;
    running_ = true;
}

void Action::stop() {
    running_ = false;
}

Action* Action::clone() const {
    return new Action(*this);
}

Action* Action::inParallel(Action* other) {
    auto* parallel = new ParalelAction();
    parallel->addAction(this);
    parallel->addAction(other);
    return parallel;
}

Action* Action::followedBy(Action* other) {
    auto* sequence = new ActionSequence();
    sequence->addAction(this);
    sequence->addAction(other);
    return sequence;
}

void Action::finish() {
    running_ = false;
    if (listener_ != nullptr) {
        listener_->actionFinished(tag_);
    }
}

void Action::complete() {
    if (id_ > -1) {
        running_ = false;
        if (listener_ != nullptr) {
            listener_->actionEvent(tag_, id_);
        }
    }
    finish();
}

}  // namespace kve
