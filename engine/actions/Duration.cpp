#include "engine/actions/Duration.hpp"

#include "engine/core/EngineContext.hpp"
#include "engine/core/Timer.hpp"

namespace kve {

Duration::Duration(int length, const Timer* timer) : length_(length), timer_(timer) {}

void Duration::restart() {
    startTime_ = now();
    fedElapsed_ = 0;
}

void Duration::feed(int milliseconds) {
    fed_ = true;
    fedElapsed_ += milliseconds;
}

int Duration::elapsed() const {
    return fed_ ? fedElapsed_ : now() - startTime_;
}

int Duration::now() const {
    const Timer* timer = timer_ != nullptr ? timer_ : EngineContext::instance().timer();
    return timer != nullptr ? static_cast<int>(timer->now()) : 0;
}

}  // namespace kve
