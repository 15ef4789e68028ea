#include "engine/widgets/CustomCheckBox.hpp"

#include "engine/render/Graphics.hpp"

CustomCheckBox::CustomCheckBox(CheckBoxListener* listener, int id, Texture* unchecked, Texture* checked,
                               const IntRect& hitRect)
    : CheckBoxWidget(listener, id, unchecked, nullptr), checkedImage_(checked), hitRect_(hitRect) {}

void CustomCheckBox::draw(Graphics* graphics, ScreenBase* /*screen*/) {
    Texture* image = isChecked() ? checkedImage_ : box_;
    if (image != nullptr) {
        graphics->drawImage(0, 0, image, isEnabled() ? Color::white() : Color(128, 128, 128, 255));
    }
}

bool CustomCheckBox::acceptsPressAt(int x, int y) const {
    if (hitRect_.x == -1) {
        return true;
    }
    return x >= hitRect_.x && y >= hitRect_.y && x < hitRect_.x + hitRect_.w && y < hitRect_.y + hitRect_.h;
}
