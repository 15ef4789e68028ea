#pragma once

#include <cstdint>

// Where the game's random choices come from: ProcessRandom in the game; tests
// hand a SeededRandom to whatever makes a choice so that runs repeat exactly.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // A non-negative number; uniformity is that of the underlying generator.
    virtual int next() = 0;
    // A position in [0, count) for count > 0, the usual next() mod count.
    int below(int count) { return next() % count; }
};

// A small deterministic generator (xorshift32) for reproducible runs.
class SeededRandom : public RandomSource {
public:
    explicit SeededRandom(std::uint32_t seed) : state_(seed != 0 ? seed : 0x9E3779B9u) {}
    int next() override {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return static_cast<int>(state_ & 0x7FFFFFFFu);
    }

private:
    std::uint32_t state_;
};
