#pragma once

// Told when a key-frame animation has played to its end; the id is the one
// the animation was loaded under.
class AnimationListener {
public:
    virtual ~AnimationListener() = default;
    virtual void animationFinished(int id) = 0;
};
