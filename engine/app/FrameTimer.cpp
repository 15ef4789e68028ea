#include "engine/app/FrameTimer.hpp"

std::uint32_t FrameTimer::beginFrame(std::uint64_t now) {
    const std::uint64_t elapsed = now - last_;
    last_ = now;
    return elapsed > kFrame ? kFrame : static_cast<std::uint32_t>(elapsed);
}

std::uint32_t FrameTimer::sleepAfter(std::uint64_t now) const {
    const std::uint64_t spent = now - last_;
    return spent < kFrame ? static_cast<std::uint32_t>(kFrame - spent) : 0;
}
