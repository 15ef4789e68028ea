#pragma once

#include "engine/actions/ActionListener.hpp"
#include "engine/actions/TinyAction.hpp"

// Repeats its body (owned) a number of times, or forever with the count -1,
// passing every frame time on to it. A body that finishes as soon as it
// starts is restarted once per frame, not at once.
class TinyLoopAction : public TinyAction, public kve::ActionListener {
public:
    TinyLoopAction(TinyAction* body, int count);
    ~TinyLoopAction() override;

    void update(int milliseconds) override;
    void start(kve::ActionListener* listener, int tag) override;
    void stop() override;
    TinyLoopAction* clone() const override;

    void actionFinished(int tag) override;

    int getCompletedRounds() const { return completedRounds_; }

private:
    TinyLoopAction(const TinyLoopAction& other);

    void startBody();

    TinyAction* body_;
    int count_;
    int completedRounds_ = 0;
    bool startingBody_ = false;
    bool restartPending_ = false;
};
