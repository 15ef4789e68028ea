#pragma once

#include "engine/actions/Action.hpp"
#include "engine/actions/ActionListener.hpp"

namespace kve {

// Repeats its body (owned) a number of times, or forever with the count -1.
// The body runs on the game clock: update only checks it. A body that
// finishes as soon as it starts is restarted once per frame, not at once.
class LoopAction : public Action, public ActionListener {
public:
    LoopAction(Action* body, int count);
    ~LoopAction() override;

    void update(int milliseconds) override;
    void check() override;
    void start(ActionListener* listener, int tag) override;
    void stop() override;
    LoopAction* clone() const override;

    void actionFinished(int tag) override;
    void actionEvent(int tag, int id) override;

    int getCompletedRounds() const { return completedRounds_; }

private:
    LoopAction(const LoopAction& other);

    void startBody();

    Action* body_;
    int count_;
    int completedRounds_ = 0;
    bool startingBody_ = false;
    bool restartPending_ = false;
};

}  // namespace kve
