#pragma once

#include "engine/widgets/ButtonImages.hpp"
#include "engine/widgets/SimpleButtonBase.hpp"

// A button of three pictures (normal, pointer over, pressed). It reports a
// press at once and a click when released over itself after a press on it.
// Only the visible pixels of the current picture are hit, unless
// whole-rectangle hits are asked for; an invisible button is never hit.
class StaticImageButton : public SimpleButtonBase {
public:
    StaticImageButton(SimpleButtonListener* listener, int id, const ButtonImages& images,
                      bool wholeRectangleHit = false);

    void draw(Graphics* graphics, ScreenBase* screen) override;
    bool hitTest(int x, int y) const override;
    void onMousePress(const MouseEvent& event) override;
    void onMouseRelease(const MouseEvent& event) override;
    void onMouseEnter() override;
    void onMouseLeave() override;
    void deactivate() override;

    Texture* getCurrentImage() const { return current_; }

private:
    ButtonImages images_;
    bool wholeRectangleHit_;
    Texture* current_;
};
