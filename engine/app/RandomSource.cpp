#include "engine/app/RandomSource.hpp"

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

private:
    bool seeded_ = false;
};

}  // namespace

RandomSource& RandomSource::process() {
    static StdRandom source;
    return source;
}
