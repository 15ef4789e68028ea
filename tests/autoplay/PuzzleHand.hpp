#pragma once

#include <memory>
#include <random>
#include <string>

#include "BotHands.hpp"
#include "PlayRecord.hpp"

class MiniGameBase;

// Solves one kind of minigame by input alone: it looks at the board the
// screen shows (pieces, cards lying face up, rings' angles, targets), plans
// with what a player would know, and queues presses and drags where the
// thing it means is really under the pointer.
class PuzzleHand {
public:
    virtual ~PuzzleHand() = default;

    // The hand for the minigame on show; null for a kind no hand plays. It
    // makes its choices with random and notes what it did in record.
    static std::unique_ptr<PuzzleHand> forGame(MiniGameBase& game, std::mt19937& random, PlayRecord& record);

    // Queues the next input towards the solution (nothing while the board is
    // busy); returns why the puzzle cannot be solved, or an empty text.
    virtual std::string play(BotHands& hands) = 0;
    // The board shows the puzzle solved.
    virtual bool solved() const = 0;
};
