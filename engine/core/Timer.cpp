#include "engine/core/Timer.hpp"

#include "engine/core/Clock.hpp"

Timer::Timer(const Clock& clock) : clock_(clock), pauseMoment_(clock.ticks()), startOffset_(clock.ticks()) {}

std::uint64_t Timer::now() const {
    return (paused_ ? pauseMoment_ : clock_.ticks()) - startOffset_;
}

void Timer::pause() {
    if (!paused_) {
        pauseMoment_ = clock_.ticks();
        paused_ = true;
    }
}

void Timer::resume() {
    if (paused_) {
        startOffset_ += clock_.ticks() - pauseMoment_;
        paused_ = false;
    }
}
