#pragma once

// A mouse event as the states receive it. The default event is a move with
// every value 0.
struct MouseEvent {
    enum Kind { Press = 0, Release = 1, Move = 2, WheelUp = 3, WheelDown = 4 };
    enum Button { Left = 1, Right = 2, Middle = 4 };

    int relX = 0;
    int relY = 0;
    int x = 0;
    int y = 0;
    int kind = Move;
    int buttons = 0;
    int clicks = 0;
};
