#pragma once

class GameState;

// The stack of game states: a state starts by pushing itself (or what stands
// in for it) and is told of its entry, pauses and leave with the stack it is
// on. The application is the one stack of the game.
class StateStack {
public:
    virtual ~StateStack() = default;
    virtual void pushState(GameState* state) = 0;
    virtual void popState() = 0;
    virtual void changeState(GameState* state) = 0;
};
