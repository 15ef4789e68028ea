#pragma once

#include <vector>

#include "game/minigames/dials/DialRing.hpp"

class DialsBoard;
class RandomSource;

// The rings of one dials board, each dealt a random whole-degree start angle
// well away from home (so no ring starts solved), and the solved test.
class DialsPuzzle {
public:
    // Start angles never lie closer to home than this.
    static constexpr int MinStartDistance = 12;

    // Deals the rings afresh: one draw per ring in file order.
    void deal(const DialsBoard& board, RandomSource& random);
    static int startAngle(RandomSource& random);

    bool isSolved() const;
    std::vector<DialRing>& rings() { return rings_; }
    const std::vector<DialRing>& rings() const { return rings_; }

private:
    std::vector<DialRing> rings_;
};
