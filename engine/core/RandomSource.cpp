#include "engine/core/RandomSource.hpp"

#include <cstdlib>
#include <ctime>

namespace {

class StdRandom : public RandomSource {
public:
    int next() override {
        if (!seeded_) {
            std::srand(static_cast<unsigned>(std::time(nullptr)));
            seeded_ = true;
        }
        return std::rand();
    }
    void seed(std::uint32_t value) {
        std::srand(value);
        seeded_ = true;
    }

private:
    bool seeded_ = false;
};

StdRandom& processSource() {
    static StdRandom source;
    return source;
}

}  // namespace

RandomSource& RandomSource::process() {
    return processSource();
}

void RandomSource::seedProcess(std::uint32_t seed) {
    processSource().seed(seed);
}
