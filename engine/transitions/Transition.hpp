#pragma once

#include "engine/core/ReferenceCountable.hpp"

class Graphics;
class TransitionListener;

// A timed effect around a screen's content: the screen starts it with itself
// as listener, updates it every frame and draws its lower layer before and its
// upper layer after its own content. When done it reports its id once.
class Transition : public ReferenceCountable {
public:
    ~Transition() override = default;

    virtual void drawLower(Graphics* /*graphics*/) {}
    virtual void drawUpper(Graphics* /*graphics*/) {}
    virtual void update(int /*milliseconds*/) {}

    // Stores the listener and id, marks the transition running and begins it.
    // A transition may be started again.
    void start(TransitionListener* listener, int id);
    bool isRunning() const { return running_; }
    int getId() const { return id_; }

protected:
    virtual void begin() {}
    // Stops the transition and reports it to the listener, if any.
    void finish();

private:
    bool running_ = false;
    TransitionListener* listener_ = nullptr;
    int id_ = 0;
};
