#pragma once

#include "engine/core/KeyEvent.hpp"
#include "engine/core/MouseEvent.hpp"

class InputListener {
public:
    virtual ~InputListener() = default;
    virtual void onKeyEvent(const KeyEvent& event) = 0;
    virtual void onMouseEvent(const MouseEvent& event) = 0;
};
