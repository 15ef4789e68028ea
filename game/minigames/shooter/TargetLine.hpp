#pragma once

#include <vector>

#include "game/minigames/shooter/Target.hpp"

// One band of the gallery carrying its pictures like a conveyor: they enter
// from one side, cross the band at the line's speed and, once past the far
// edge, go round to queue behind the last one. In the end phase of a round
// everything runs at the end speed and nothing comes round again.
class TargetLine {
public:
    enum Orientation { Leftwards = 0, Rightwards = 1 };

    TargetLine(int index, int x, int y, int width, int height, int orientation, int speed, int value);

    // A picture of width x height; its id is its place on the line.
    void addTarget(int width, int height);
    // Every picture waits outside the band on the side it enters from.
    void layOut();
    // One tick of travel; discWidth is how wide the disc under a picture is.
    void move(bool endPhase, int endSpeed, int discWidth);
    void update(int milliseconds);

    // Inside the band: its left, right and top edges all within it.
    bool holds(const Target& target) const;
    bool allFinished() const;

    int getIndex() const { return index_; }
    int getX() const { return x_; }
    int getY() const { return y_; }
    int getWidth() const { return width_; }
    int getHeight() const { return height_; }
    int getSpeed() const { return speed_; }
    int getValue() const { return value_; }
    int getSpacing() const { return spacing_; }
    int getOrientation() const { return orientation_; }
    std::vector<Target>& targets() { return targets_; }
    const std::vector<Target>& targets() const { return targets_; }

private:
    void comeRound(Target& target);

    int index_;
    int x_;
    int y_;
    int width_;
    int height_;
    int orientation_;
    int speed_;
    int value_;
    int spacing_ = 0;
    int next_ = 0;
    int last_ = 0;
    std::vector<Target> targets_;
};
