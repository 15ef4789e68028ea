#pragma once

class TransitionListener {
public:
    virtual ~TransitionListener() = default;
    virtual void onTransitionFinished(int transitionId) = 0;
};
