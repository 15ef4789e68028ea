#pragma once

#include "engine/core/MouseEvent.hpp"

// Receives mouse events whose coordinates are already relative to the drawing area.
class MouseListener {
public:
    virtual ~MouseListener() = default;
    virtual void onMousePressed(const MouseEvent& event) = 0;
    virtual void onMouseMoved(const MouseEvent& event) = 0;
    virtual void onMouseReleased(const MouseEvent& event) = 0;
};
