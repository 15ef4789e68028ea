#pragma once

class Timer;

namespace kve {

// The time keeping of a timed kve action. It reads the game clock (the
// application's pausable timer, or the one given) until it is fed frame
// times; from the first feed on it counts only what it is fed.
class Duration {
public:
    explicit Duration(int length, const Timer* timer = nullptr);

    int getLength() const { return length_; }
    void restart();
    void feed(int milliseconds);
    int elapsed() const;

private:
    int now() const;

    bool fed_ = false;
    int fedElapsed_ = 0;
    int length_;
    int startTime_ = 0;
    const Timer* timer_;
};

}  // namespace kve
