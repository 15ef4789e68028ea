#include "engine/actions/LoopAction.hpp"

namespace kve {

LoopAction::LoopAction(Action* body, int count) : body_(body), count_(count) {}

LoopAction::LoopAction(const LoopAction& other)
    : Action(other), ActionListener(other), body_(other.body_->clone()), count_(other.count_) {}

LoopAction::~LoopAction() {
    delete body_;
}

void LoopAction::update(int /*milliseconds*/) {
    check();
}

void LoopAction::check() {
    if (!running_) {
        return;
    }
    if (restartPending_) {
        startBody();
    } else {
        body_->check();
    }
}

void LoopAction::start(ActionListener* listener, int tag) {
    Action::start(listener, tag);
    completedRounds_ = 0;
    startBody();
}

void LoopAction::stop() {
    body_->stop();
    restartPending_ = false;
    Action::stop();
}

LoopAction* LoopAction::clone() const {
    return new LoopAction(*this);
}

void LoopAction::startBody() {
    restartPending_ = false;
    startingBody_ = true;
    body_->start(this, -1);
    startingBody_ = false;
}

void LoopAction::actionFinished(int /*tag*/) {
    if (!running_) {
        return;
    }
    if (count_ != -1) {
        ++completedRounds_;
        if (completedRounds_ >= count_) {
            finish();
            return;
        }
    }
    if (startingBody_) {
        restartPending_ = true;
    } else {
        startBody();
    }
}

void LoopAction::actionEvent(int tag, int id) {
    if (getListener() != nullptr) {
        getListener()->actionEvent(tag, id);
    }
}

}  // namespace kve
