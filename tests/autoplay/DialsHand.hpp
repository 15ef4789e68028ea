#pragma once

#include <random>

#include "PuzzleHand.hpp"

class DialWidget;
class MgConcentricDials;

// Plays the dials: grabs a ring that can still turn where a press really
// reaches it (no turning ring above it there; a locked ring lets the pointer
// through), as far from the middle as it can, drags the pointer round the
// middle towards the ring's home a step a frame, watching the angle the ring
// shows, and lets go once the ring stands at home. Which of the rings that
// can be grabbed goes first is chosen at random.
class DialsHand : public PuzzleHand {
public:
    DialsHand(MgConcentricDials& game, std::mt19937& random) : game_(game), random_(random) {}

    std::string play(BotHands& hands) override;
    bool solved() const override;

private:
    // Presses a ring that can be grabbed; false when none can.
    bool grab(BotHands& hands);
    // Turns the held ring a step, or lets it go at home.
    void turn(BotHands& hands);
    // The pointer's angle round the rings' middle.
    float angleAt(int x, int y) const;

    MgConcentricDials& game_;
    std::mt19937& random_;
    const DialWidget* held_ = nullptr;
    int pointerX_ = 0;  // screen coordinates of the pointer while a ring is held
    int pointerY_ = 0;
    float radius_ = 0.0f;
    float lastRotation_ = 0.0f;
    float lastAngle_ = 0.0f;
    float factor_ = 1.0f;  // ring degrees per pointer degree, as watched
    int steps_ = 0;        // pointer steps on the held ring
    int grabs_ = 0;
};
