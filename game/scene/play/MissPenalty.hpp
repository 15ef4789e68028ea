#pragma once

#include "engine/render/Point.hpp"

// The penalty for clicking about at random: five misses in a row (a find
// starts the count again) make the pointer spiral outward from a centre, four
// turns to a radius of 300 pixels over 2.4 s, while the scene ignores input.
class MissPenalty {
public:
    static constexpr int MissesInARow = 5;
    static constexpr int Duration = 2400;
    static constexpr int FullAngle = 1440;
    static constexpr int Radius = 300;

    // Counts a miss; true when it is the fifth in a row and the spiral starts.
    bool miss();
    // A find: the misses in a row start again from 0.
    void found() { misses_ = 0; }
    // Advances the spiral; true on the update in which it ends.
    bool update(int milliseconds);
    void stop();

    bool isRunning() const { return running_; }
    int getMisses() const { return misses_; }
    // Degrees turned so far (0 when not running).
    int getAngle() const { return angle_; }
    // The pointer's place relative to the spiral's centre.
    Point offset() const;

private:
    int misses_ = 0;
    int elapsed_ = 0;
    int angle_ = 0;
    bool running_ = false;
};
