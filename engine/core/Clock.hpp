#pragma once

#include <cstdint>

// Source of raw milliseconds for the game clock: SDL's tick count in a normal
// run, a counter advanced by a fixed step in reproducible runs and tests.
class Clock {
public:
    virtual ~Clock() = default;
    virtual std::uint64_t ticks() const = 0;
};

// A clock that moves only when told to.
class ManualClock : public Clock {
public:
    std::uint64_t ticks() const override { return now_; }
    void advance(std::uint64_t ms) { now_ += ms; }
    void set(std::uint64_t ms) { now_ = ms; }

private:
    std::uint64_t now_ = 0;
};
