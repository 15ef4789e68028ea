#include "engine/core/ProcessRandom.hpp"

#include <cstdlib>
#include <ctime>

int ProcessRandom::next() {
    if (!seeded_) {
        seed(static_cast<std::uint32_t>(std::time(nullptr)));
    }
    return std::rand();
}

void ProcessRandom::seed(std::uint32_t value) {
    std::srand(value);
    seeded_ = true;
}
