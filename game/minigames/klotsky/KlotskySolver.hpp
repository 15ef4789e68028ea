#pragma once

#include <vector>

class KlotskiPuzzle;

// The shortest way to solve a sliding-block board: a breadth-first search
// over the positions of its pieces, each piece moving one cell at a time
// along its axis. The board itself is not changed.
class KlotskySolver {
public:
    struct Move {
        int marker;
        int direction;  // KlotskiPuzzle::Direction
    };
    struct Result {
        bool solvable = false;
        bool gaveUp = false;  // more positions than the search may visit
        std::vector<Move> moves;
        int positionsVisited = 0;
    };

    static constexpr int MaxPositions = 400000;

    static Result solve(const KlotskiPuzzle& puzzle, int maxPositions = MaxPositions);
};
