#pragma once

#include "PuzzleHand.hpp"

class MgShooter;
struct Target;
class ShooterGame;

// Plays the shooting gallery: waits until the picture the plaque shows has
// come into view, then shoots it at the point of its picture nearest the
// middle where the shot lands on it (not on the booth's frame or another
// picture) and still would a few frames of travel either way. A shot that
// does not raise the hit count is a miss; too many misses give up, and so
// does a gallery that runs out of rounds before it is won.
class ShooterHand : public PuzzleHand {
public:
    ShooterHand(MgShooter& game, PlayRecord& record) : game_(game), record_(record) {}

    std::string play(BotHands& hands) override;
    bool solved() const override;

private:
    // A point where a shot finds the goal; false while there is none.
    bool aim(const ShooterGame& game, const Target& goal, int& x, int& y) const;

    MgShooter& game_;
    PlayRecord& record_;
    int hitsAtShot_ = -1;  // the hit count when the last shot went, -1 before the first
};
