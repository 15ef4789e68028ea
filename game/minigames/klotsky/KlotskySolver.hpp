#pragma once

#include <string>
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
    // An input script (see InputScript) that plays the moves in the game:
    // each piece is pressed at its middle, dragged a third of its extent the
    // way it goes and let go. The pieces' pictures are as large as their cells.
    static std::string script(const KlotskiPuzzle& puzzle, const std::vector<Move>& moves);
};
