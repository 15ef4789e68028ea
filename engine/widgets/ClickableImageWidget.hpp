#pragma once

#include "engine/widgets/ImageWidget.hpp"

// A picture that reacts to the mouse: only its visible pixels are hit (unless
// whole-rectangle hits are asked for), and a press on it, the moves while it
// is held and the release that ends it reach the hooks that minigame pieces
// override. Moves and releases without a press on the picture are ignored.
class ClickableImageWidget : public ImageWidget {
public:
    explicit ClickableImageWidget(Texture* texture = nullptr, int x = 0, int y = 0);

    bool hitTest(int x, int y) const override;
    void onMousePress(const MouseEvent& event) override;
    void onMouseMove(const MouseEvent& event) override;
    void onMouseRelease(const MouseEvent& event) override;

    void setWholeRectangleHit(bool whole) { wholeRectangleHit_ = whole; }
    bool isHeld() const { return held_; }

protected:
    virtual void pressed(const MouseEvent& /*event*/) {}
    virtual void dragged(const MouseEvent& /*event*/) {}
    virtual void released(const MouseEvent& /*event*/) {}

private:
    bool wholeRectangleHit_ = false;
    bool held_ = false;
};
