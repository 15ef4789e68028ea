#include "engine/transitions/Transition.hpp"

#include "engine/transitions/TransitionListener.hpp"

void Transition::start(TransitionListener* listener, int id) {
    listener_ = listener;
    id_ = id;
    running_ = true;
    begin();
}

void Transition::finish() {
    running_ = false;
    if (listener_ != nullptr) {
        listener_->onTransitionFinished(id_);
    }
}
