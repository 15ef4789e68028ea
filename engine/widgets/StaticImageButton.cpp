#include "engine/widgets/StaticImageButton.hpp"

#include "engine/render/Graphics.hpp"
#include "engine/render/Texture.hpp"
#include "engine/widgets/TextureHit.hpp"

StaticImageButton::StaticImageButton(SimpleButtonListener* listener, int id, const ButtonImages& images,
                                     bool wholeRectangleHit)
    : SimpleButtonBase(listener, id), images_(images), wholeRectangleHit_(wholeRectangleHit),
      current_(images.normal) {
    if (current_ != nullptr) {
        setGeometry(0, 0, current_->getWidth(), current_->getHeight());
    }
}

void StaticImageButton::draw(Graphics* graphics, ScreenBase* /*screen*/) {
    if (current_ != nullptr) {
        graphics->drawImage(0, 0, current_, Color::white());
    }
}

bool StaticImageButton::hitTest(int x, int y) const {
    if (!isVisible()) {
        return false;
    }
    const int localX = x - getX();
    const int localY = y - getY();
    return wholeRectangleHit_ ? TextureHit::inside(current_, localX, localY)
                              : TextureHit::opaque(current_, localX, localY);
}

void StaticImageButton::onMousePress(const MouseEvent& /*event*/) {
    if (!isVisible()) {
        return;
    }
    playPressSound();
    notify(0);
    pressed_ = true;
    current_ = images_.forState(true, pointerOver_);
}

void StaticImageButton::onMouseRelease(const MouseEvent& /*event*/) {
    current_ = images_.forState(false, pointerOver_);
    if (pressed_ && pointerOver_) {
        notify(1);
    }
    pressed_ = false;
}

void StaticImageButton::onMouseEnter() {
    if (!isVisible()) {
        return;
    }
    playOverSound();
    pointerOver_ = true;
    current_ = images_.forState(pressed_, true);
}

void StaticImageButton::onMouseLeave() {
    pointerOver_ = false;
    current_ = images_.normal;
}

void StaticImageButton::deactivate() {
    pointerOver_ = false;
    pressed_ = false;
    current_ = images_.normal;
}
