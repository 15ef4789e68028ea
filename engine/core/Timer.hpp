#pragma once

#include <cstdint>

class Clock;

// The game clock: milliseconds since start-up without the stretches during
// which it was paused (the window had no focus). Every frame time and every
// timed action reads it.
class Timer {
public:
    explicit Timer(const Clock& clock);

    std::uint64_t now() const;
    void pause();
    void resume();
    bool isPaused() const { return paused_; }

private:
    const Clock& clock_;
    bool paused_ = false;
    std::uint64_t pauseMoment_ = 0;
    std::uint64_t startOffset_ = 0;
};
