#pragma once

#include <cstddef>
#include <vector>

#include "PuzzleHand.hpp"
#include "game/minigames/klotsky/KlotskiPuzzle.hpp"
#include "game/minigames/klotsky/KlotskySolver.hpp"

class MgKlotsky;

// Plays the sliding-block board: plans the shortest way from the board as
// it stands, then drags each piece a third of its length the way it goes
// (a piece follows the pointer a cell per quarter of its length). A piece
// that did not land where the plan says has the way planned afresh.
class KlotskyHand : public PuzzleHand {
public:
    explicit KlotskyHand(MgKlotsky& game) : game_(game) {}

    std::string play(BotHands& hands) override;
    bool solved() const override;

private:
    // Drags the piece of the move; a failure when it cannot be pressed.
    std::string drag(const KlotskySolver::Move& move, BotHands& hands);

    MgKlotsky& game_;
    std::vector<KlotskySolver::Move> plan_;
    std::size_t next_ = 0;
    int moved_ = -1;  // the piece of the last drag
    std::vector<KlotskiPuzzle::Cell> expected_;
    int replans_ = 0;
};
