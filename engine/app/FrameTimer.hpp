#pragma once

#include <cstdint>

// Frame pacing of the main loop: every update gets the real time since the
// previous frame, capped at one frame (16 ms) so that a stall never makes the
// game jump; what is left of the 16 ms after a frame is slept away.
class FrameTimer {
public:
    static constexpr std::uint32_t kFrame = 16;

    void start(std::uint64_t now) { last_ = now; }
    // Elapsed milliseconds for this frame's update (0 is passed on as 0).
    std::uint32_t beginFrame(std::uint64_t now);
    // Milliseconds to sleep after the frame, 0 when it took 16 ms or more.
    std::uint32_t sleepAfter(std::uint64_t now) const;

private:
    std::uint64_t last_ = 0;
};
