#include "engine/app/ClickCounter.hpp"

int ClickCounter::onButtonEvent(std::uint64_t ticks) {
    if (seen_ && ticks - last_ < kWindow) {
        ++count_;
    } else {
        count_ = 1;
    }
    seen_ = true;
    last_ = ticks;
    return count_;
}
