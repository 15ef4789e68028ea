#include "engine/actions/TinyLoopAction.hpp"

TinyLoopAction::TinyLoopAction(TinyAction* body, int count) : body_(body), count_(count) {}

TinyLoopAction::TinyLoopAction(const TinyLoopAction& other)
    : TinyAction(other), kve::ActionListener(other), body_(other.body_->clone()), count_(other.count_) {}

TinyLoopAction::~TinyLoopAction() {
    delete body_;
}

void TinyLoopAction::update(int milliseconds) {
    if (!running_) {
        return;
    }
    if (restartPending_) {
        startBody();
    } else {
        body_->update(milliseconds);
    }
}

void TinyLoopAction::start(kve::ActionListener* listener, int tag) {
    TinyAction::start(listener, tag);
    completedRounds_ = 0;
    startBody();
}

void TinyLoopAction::stop() {
    body_->stop();
    restartPending_ = false;
    TinyAction::stop();
}

TinyLoopAction* TinyLoopAction::clone() const {
    return new TinyLoopAction(*this);
}

void TinyLoopAction::startBody() {
    restartPending_ = false;
    startingBody_ = true;
    body_->start(this, -1);
    startingBody_ = false;
}

void TinyLoopAction::actionFinished(int /*tag*/) {
    if (!running_) {
        return;
    }
    if (count_ != -1) {
        ++completedRounds_;
        if (completedRounds_ >= count_) {
            finish(body_->getLeftover());
            return;
        }
    }
    if (startingBody_) {
        restartPending_ = true;
    } else {
        startBody();
    }
}
