#pragma once

#include <cstdint>

#include "engine/core/RandomSource.hpp"
#include "engine/core/SingletonContainer.hpp"

// The process-wide random source: it draws from rand(), which the application
// seeds once at start-up (with the time, or with --seed for a reproducible
// run); unseeded, its first draw seeds it with the time.
class ProcessRandom : public RandomSource, public SingletonContainer<ProcessRandom> {
public:
    int next() override;
    // Seeds this source and rand().
    void seed(std::uint32_t value);

private:
    bool seeded_ = false;
};
