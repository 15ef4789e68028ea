#include "engine/actions/ActionDelay.hpp"

namespace kve {

ActionDelay::ActionDelay(int length, const Timer* timer) : duration_(length, timer) {}

void ActionDelay::update(int milliseconds) {
    duration_.feed(milliseconds);
    check();
}

void ActionDelay::check() {
    if (running_ && duration_.elapsed() >= duration_.getLength()) {
        complete();
    }
}

void ActionDelay::start(ActionListener* listener, int tag) {
    duration_.restart();
    Action::start(listener, tag);
}

ActionDelay* ActionDelay::clone() const {
    return new ActionDelay(*this);
}

}  // namespace kve
