#pragma once

#include "engine/render/IntRect.hpp"
#include "engine/widgets/CheckBoxWidget.hpp"

// A check box drawn as one of two whole pictures (unchecked, checked), greyed
// while disabled. Presses may be limited to a hit rectangle relative to the
// widget; a rectangle with x = -1 means the whole widget.
class CustomCheckBox : public CheckBoxWidget {
public:
    CustomCheckBox(CheckBoxListener* listener, int id, Texture* unchecked, Texture* checked,
                   const IntRect& hitRect = IntRect(-1, 0, 0, 0));

    void draw(Graphics* graphics, ScreenBase* screen) override;

protected:
    bool acceptsPressAt(int x, int y) const override;

private:
    Texture* checkedImage_;
    IntRect hitRect_;
};
