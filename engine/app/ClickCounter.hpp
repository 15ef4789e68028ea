#pragma once

#include <cstdint>

// Counts quick successive mouse-button events: a press or release less than
// 100 ms after the previous one raises the count, anything slower restarts at 1.
class ClickCounter {
public:
    static constexpr std::uint64_t kWindow = 100;

    int onButtonEvent(std::uint64_t ticks);
    int count() const { return count_; }

private:
    bool seen_ = false;
    std::uint64_t last_ = 0;
    int count_ = 0;
};
