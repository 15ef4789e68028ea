#pragma once

// One ring of the dials puzzle without any drawing. The player presses it,
// drags the pointer round the ring's centre and lets go; the ring turns by
// the pointer's turn times the rotation factor. Let go within the tolerance
// of its home angle it snaps home and locks. Angles are degrees.
class DialRing {
public:
    // Direction mode 1 lets the ring turn only one way (steps of zero or
    // negative sign); mode 2 both ways.
    enum DirectionMode { OneWay = 1, BothWays = 2 };

    DialRing(float rotation, float tolerance, float factor);

    // The angle of the pointer (px, py) seen from the middle of a ring at
    // (x, y) of size (w, h).
    static float pointerAngle(int px, int py, int x, int y, int w, int h);
    // An angle folded into [-180, 180].
    static float fold(float angle);

    // Picks the ring up at the pointer angle; a locked ring ignores it.
    void press(float angle);
    // The pointer moved to angle while held: turns the ring and gives the
    // pointer's step (0 when the ring is not held or locked).
    float drag(float angle);
    // Lets go; true when the ring snapped home and is locked now.
    bool release();

    // Home, which only the snap reaches exactly.
    bool isSolved() const { return rotation_ == home_; }
    bool isActive() const { return active_; }
    bool isDragging() const { return dragging_; }
    float getRotation() const { return rotation_; }
    float getHome() const { return home_; }
    void setDirectionMode(int mode) { directionMode_ = mode; }

private:
    float rotation_;
    float home_ = 0.0f;
    float lastAngle_ = 0.0f;
    float tolerance_;
    float factor_;
    bool active_ = true;
    bool dragging_ = false;
    int directionMode_ = BothWays;
};
