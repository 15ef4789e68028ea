#pragma once

#include <memory>
#include <random>
#include <string>

#include "BotHands.hpp"
#include "PlayRecord.hpp"
#include "PlayStyle.hpp"
#include "PuzzleHand.hpp"

class MiniGameBase;

// Plays a minigame of the story: a careful player solves it, a hasty one
// skips the first it meets (once the skip button has recharged) and solves
// the rest. The solving is the PuzzleHand's for the kind of minigame; a kind
// without one is skipped. The solved message is answered.
class MinigameHand {
public:
    // Frames a minigame may take before the run gives up on it.
    static constexpr long FrameLimit = 20000;

    MinigameHand(PlayStyle style, std::mt19937& random, PlayRecord& record)
        : style_(style), random_(random), record_(record) {}

    // A minigame came on top.
    void arrive(MiniGameBase& game);
    // The minigame played, until it has left the screen stack (then null).
    const MiniGameBase* playing() const { return game_; }
    void left();
    // Queues this frame's input; returns why the game cannot go on, or an empty text.
    std::string play(MiniGameBase& game, BotHands& hands, long frame);

private:
    bool skip(MiniGameBase& game, BotHands& hands);

    PlayStyle style_;
    std::mt19937& random_;
    PlayRecord& record_;
    const MiniGameBase* game_ = nullptr;
    std::unique_ptr<PuzzleHand> hand_;
    long since_ = -1;  // the frame the minigame was first played
    bool skipping_ = false;
    bool skippedOne_ = false;
    bool counted_ = false;
};
