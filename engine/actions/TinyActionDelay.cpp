#include "engine/actions/TinyActionDelay.hpp"

void TinyActionDelay::update(int milliseconds) {
    elapsed_ += milliseconds;
    if (running_ && elapsed_ >= length_) {
        finishOverrun(elapsed_, length_, milliseconds);
    }
}

void TinyActionDelay::start(kve::ActionListener* listener, int tag) {
    elapsed_ = 0;
    TinyAction::start(listener, tag);
}

TinyActionDelay* TinyActionDelay::clone() const {
    return new TinyActionDelay(*this);
}
