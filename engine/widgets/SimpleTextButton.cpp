#include "engine/widgets/SimpleTextButton.hpp"

#include "engine/text/Font.hpp"

SimpleTextButton::SimpleTextButton(SimpleButtonListener* listener, int id, Font* font, const std::string& text,
                                   const Color& color, const Color& highlight)
    : SimpleButtonBase(listener, id), font_(font), color_(color), highlight_(highlight) {
    setText(text);
}

void SimpleTextButton::setText(const std::string& text) {
    text_ = text;
    if (font_ != nullptr) {
        setGeometry(getX(), getY(), font_->textWidth(text_), font_->getLineHeight());
    }
}

void SimpleTextButton::draw(Graphics* graphics, ScreenBase* /*screen*/) {
    paint(graphics);
}

void SimpleTextButton::paint(Graphics* graphics) {
    if (font_ != nullptr) {
        font_->drawTextLine(graphics, 0, 0, text_, highlighted_ ? highlight_ : color_);
    }
}

void SimpleTextButton::onMousePress(const MouseEvent& event) {
    if (event.buttons != MouseEvent::Left) {
        return;
    }
    playPressSound();
    pressed_ = true;
    notify(0);
}

void SimpleTextButton::onMouseRelease(const MouseEvent& event) {
    if (event.buttons != MouseEvent::Left) {
        return;
    }
    pressed_ = false;
    rememberedPressed_ = false;
    notify(1);
}

void SimpleTextButton::onMouseEnter() {
    playOverSound();
    pointerOver_ = true;
    highlighted_ = true;
    pressed_ = rememberedPressed_;
}

void SimpleTextButton::onMouseLeave() {
    rememberedPressed_ = pressed_;
    pressed_ = false;
    pointerOver_ = false;
    highlighted_ = false;
}
