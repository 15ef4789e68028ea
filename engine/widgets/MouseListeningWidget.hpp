#pragma once

#include "engine/widgets/Widget.hpp"

class MouseListener;

// An invisible widget that hands the mouse presses, moves and releases it
// receives to a MouseListener. Every screen covers itself with one to hear
// the clicks that hit no other widget.
class MouseListeningWidget : public Widget {
public:
    explicit MouseListeningWidget(MouseListener* listener) : listener_(listener) {}

    void onMousePress(const MouseEvent& event) override;
    void onMouseMove(const MouseEvent& event) override;
    void onMouseRelease(const MouseEvent& event) override;

private:
    MouseListener* listener_;
};
