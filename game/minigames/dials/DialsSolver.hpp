#pragma once

#include <string>
#include <vector>

struct AlphaPicture;
class DialsBoard;

// The shortest way to solve a dials board. Every ring needs one turn (each
// starts away from home and one drag brings it home), but a ring can only be
// grabbed where no unlocked ring above it covers it; a locked ring lets the
// pointer through. A breadth-first search over the sets of locked rings finds
// an order in which every ring can be grabbed, with the point to grab it.
class DialsSolver {
public:
    struct Turn {
        int ring = -1;
        int grabX = 0;  // in the rings' own coordinates
        int grabY = 0;
    };
    struct Result {
        bool solvable = false;
        std::vector<Turn> turns;
        int setsVisited = 0;
    };

    // The ring pictures in file order, all of one size.
    static Result solve(const std::vector<AlphaPicture>& rings);
    // An input script (see InputScript) that plays the turns in the game
    // over rings dealt the start angles: each ring is pressed at its grab
    // point, dragged round its middle by the way home and let go.
    static std::string script(const DialsBoard& board, const std::vector<AlphaPicture>& rings,
                              const std::vector<int>& startAngles, const std::vector<Turn>& turns);
};
