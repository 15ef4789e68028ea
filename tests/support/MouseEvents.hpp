#pragma once

#include "engine/core/MouseEvent.hpp"

// Mouse events as the window delivers them, for driving screens and widgets.
inline MouseEvent mouseEvent(int kind, int x, int y, int buttons = 0) {
    MouseEvent event;
    event.kind = kind;
    event.x = x;
    event.y = y;
    event.buttons = buttons;
    return event;
}

inline MouseEvent leftPress(int x, int y) {
    return mouseEvent(MouseEvent::Press, x, y, MouseEvent::Left);
}

// A player's click: the pointer arrives with no button held (so the widget
// under it is entered), then the left button goes down and up there.
template <typename Deliver>
void clickAt(Deliver deliver, int x, int y) {
    deliver(mouseEvent(MouseEvent::Move, x, y));
    deliver(mouseEvent(MouseEvent::Press, x, y, MouseEvent::Left));
    deliver(mouseEvent(MouseEvent::Release, x, y, MouseEvent::Left));
}
