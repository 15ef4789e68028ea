#include "game/minigames/dials/DialsPuzzle.hpp"

#include "engine/core/RandomSource.hpp"
#include "game/minigames/dials/DialsBoard.hpp"

int DialsPuzzle::startAngle(RandomSource& random) {
    const int angle = random.below(360);
    const int distance = angle > 180 ? 360 - angle : angle;
    // Too close to home: the opposite side of the dial instead.
    return distance < MinStartDistance ? (angle + 180) % 360 : angle;
}

void DialsPuzzle::deal(const DialsBoard& board, RandomSource& random) {
    rings_.clear();
    for (int i = 0; i < board.dialCount(); ++i) {
        rings_.emplace_back(static_cast<float>(startAngle(random)), board.tolerance, board.factor);
    }
}

bool DialsPuzzle::isSolved() const {
    for (const DialRing& ring : rings_) {
        if (!ring.isSolved()) {
            return false;
        }
    }
    return !rings_.empty();
}
