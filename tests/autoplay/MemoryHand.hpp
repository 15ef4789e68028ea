#pragma once

#include <map>
#include <random>
#include <vector>

#include "PuzzleHand.hpp"

class MgMemory;

// Plays the pairs game with a perfect memory of what it has seen and nothing
// more: a card's picture is known once it has lain face up. It turns both
// cards of a known pair; otherwise an unseen card (chosen at random), then
// its known partner, or another unseen card when the partner is unknown.
// So no card is turned more than twice.
class MemoryHand : public PuzzleHand {
public:
    MemoryHand(MgMemory& game, std::mt19937& random, PlayRecord& record);

    std::string play(BotHands& hands) override;
    bool solved() const override;

private:
    // Remembers the cards lying face up and counts those that began turning.
    void look();
    // The card to turn next: open is the card lying face up, -1 for none.
    int choose(int open);
    // A face-down card seen before with the pair id, other than the card except; -1 for none.
    int known(int pairId, int except) const;

    MgMemory& game_;
    std::mt19937& random_;
    PlayRecord& record_;
    std::map<int, int> seen_;  // grid place -> pair id
    std::vector<int> states_;  // each card's state at the last look
    std::vector<int> turns_;  // how often each card began turning face up
};
