#pragma once

#include "engine/core/ReferenceCountable.hpp"
#include "engine/core/InputListener.hpp"

class StateStack;
class Graphics;

// What the application needs of anything on its state stack. The stack does
// not own its states. Only enabled states get input and updates; all are drawn.
class GameState : public InputListener, public ReferenceCountable {
public:
    ~GameState() override = default;

    virtual void start(StateStack* app) = 0;
    virtual void enter(StateStack* app) = 0;
    virtual void leave(StateStack* app) = 0;
    virtual void pause(StateStack* app) = 0;
    virtual void resume(StateStack* app) = 0;
    virtual void draw(Graphics* graphics) = 0;
    virtual void update(int milliseconds) = 0;
    virtual void releaseGraphics() = 0;
    virtual void restoreGraphics() = 0;

    bool isEnabled() const { return enabled_; }
    void setEnabled(bool enabled) { enabled_ = enabled; }

protected:
    bool enabled_ = true;
};
