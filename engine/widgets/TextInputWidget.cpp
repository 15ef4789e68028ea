#include "engine/widgets/TextInputWidget.hpp"

#include <SDL/SDL_keysym.h>

#include <algorithm>
#include <cstdlib>

#include "engine/render/Graphics.hpp"
#include "engine/text/Font.hpp"
#include "engine/widgets/BlinkingVertCursor.hpp"
#include "engine/widgets/InterfaceSound.hpp"
#include "engine/widgets/TextInputListener.hpp"

namespace {

bool printable(char c) {
    const auto code = static_cast<unsigned char>(c);
    return code >= 32 && code != 127;
}

}  // namespace

TextInputWidget::TextInputWidget(TextInputListener* listener, int id, Font* font, int width, int height,
                                 int maxLength)
    : maxLength_(std::max(0, maxLength)), listener_(listener), id_(id), font_(font) {
    setGeometry(0, 0, width, height);
    const int lineHeight = font_ != nullptr ? font_->getLineHeight() : height;
    cursor_ = std::make_unique<BlinkingVertCursor>(lineHeight, Color(70, 36, 14));
    caretMoved();
}

TextInputWidget::~TextInputWidget() = default;

void TextInputWidget::setCursor(std::unique_ptr<TextInputCursor> cursor) {
    cursor_ = std::move(cursor);
    caretMoved();
}

void TextInputWidget::setText(const std::string& text) {
    text_ = text.substr(0, static_cast<std::size_t>(maxLength_));
    caret_ = static_cast<int>(text_.size());
    anchor_ = caret_;
    caretMoved();
}

void TextInputWidget::setMaxLength(int length) {
    maxLength_ = std::max(0, length);
    if (static_cast<int>(text_.size()) > maxLength_) {
        setText(text_);
    }
}

std::string TextInputWidget::getSelection() const {
    const int from = std::min(anchor_, caret_);
    return text_.substr(static_cast<std::size_t>(from), static_cast<std::size_t>(std::abs(caret_ - anchor_)));
}

void TextInputWidget::update(int milliseconds, ScreenBase* /*screen*/) {
    if (editable_ && cursor_) {
        cursor_->update(milliseconds);
    }
}

void TextInputWidget::draw(Graphics* graphics, ScreenBase* /*screen*/) {
    if (frame_ != nullptr) {
        graphics->drawImage(0, 0, frame_, Color::white());
    }
    if (font_ == nullptr) {
        return;
    }
    if (hasSelection()) {
        const int left = textX(std::min(anchor_, caret_));
        const int right = textX(std::max(anchor_, caret_));
        graphics->fillRect(left, textTop(), right - left, font_->getLineHeight(), Color(176, 74, 40, 110));
    }
    font_->drawTextLine(graphics, PaddingX, textTop(), text_, textColor_);
    if (editable_ && !readOnly_ && cursor_) {
        cursor_->draw(graphics);
    }
}

bool TextInputWidget::isMoveKey(int key) const {
    return key == SDLK_LEFT || key == SDLK_RIGHT || key == SDLK_HOME || key == SDLK_UP || key == SDLK_END ||
           key == SDLK_DOWN;
}

void TextInputWidget::onKeyEvent(const KeyEvent& event) {
    if (event.action != KeyEvent::Press || !editable_ || readOnly_) {
        return;
    }
    if (isMoveKey(event.key)) {
        // Moving only drops the selection; deleting it here would lose text.
        anchor_ = caret_;
        moveCaret(event.key);
        anchor_ = caret_;
        caretMoved();
        return;
    }
    const bool erase = event.key == SDLK_BACKSPACE || event.key == SDLK_DELETE;
    if (!erase && !printable(event.character)) {
        return;
    }
    const std::string before = text_;
    if (hasSelection()) {
        deleteSelection();
    } else if (erase && caret_ > 0) {
        text_.erase(static_cast<std::size_t>(caret_ - 1), 1);
        --caret_;
    }
    if (!erase && (!filter_ || filter_(event.character)) && static_cast<int>(text_.size()) < maxLength_) {
        text_.insert(text_.begin() + caret_, event.character);
        ++caret_;
    }
    anchor_ = caret_;
    caretMoved();
    InterfaceSound::play("TEXT_INPUT", fallbackSound_);
    if (text_ != before) {
        notify();
    }
}

void TextInputWidget::moveCaret(int key) {
    const int length = static_cast<int>(text_.size());
    if (key == SDLK_LEFT && caret_ > 0) {
        --caret_;
    } else if (key == SDLK_RIGHT && caret_ < length) {
        ++caret_;
    } else if (key == SDLK_HOME || key == SDLK_UP) {
        caret_ = 0;
    } else if (key == SDLK_END || key == SDLK_DOWN) {
        caret_ = length;
    }
}

void TextInputWidget::deleteSelection() {
    const int from = std::min(anchor_, caret_);
    text_.erase(static_cast<std::size_t>(from), static_cast<std::size_t>(std::abs(caret_ - anchor_)));
    caret_ = from;
    anchor_ = from;
}

void TextInputWidget::onMousePress(const MouseEvent& event) {
    if (readOnly_) {
        return;
    }
    caret_ = caretAt(event.x - getX());
    anchor_ = caret_;
    selecting_ = true;
    caretMoved();
}

void TextInputWidget::onMouseMove(const MouseEvent& event) {
    if (readOnly_ || !selecting_ || event.buttons == 0) {
        return;
    }
    caret_ = caretAt(event.x - getX());
    caretMoved();
}

void TextInputWidget::onMouseRelease(const MouseEvent& /*event*/) {
    selecting_ = false;
}

void TextInputWidget::onFocusGained() {
    if (acceptsFocus_) {
        editable_ = true;
        caretMoved();
    }
}

void TextInputWidget::onFocusLost() {
    if (acceptsFocus_) {
        editable_ = false;
        selecting_ = false;
    }
}

int TextInputWidget::caretAt(int localX) const {
    int best = 0;
    int bestDistance = std::abs(localX - textX(0));
    for (int i = 1; i <= static_cast<int>(text_.size()); ++i) {
        const int distance = std::abs(localX - textX(i));
        if (distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

int TextInputWidget::textX(int index) const {
    if (font_ == nullptr) {
        return PaddingX;
    }
    return PaddingX + font_->textWidth(text_.substr(0, static_cast<std::size_t>(index)));
}

int TextInputWidget::textTop() const {
    return font_ != nullptr ? (getHeight() - font_->getLineHeight()) / 2 : 0;
}

void TextInputWidget::caretMoved() {
    if (cursor_) {
        cursor_->moveTo(textX(caret_), textTop());
        cursor_->restart();
    }
}

void TextInputWidget::notify() {
    if (listener_ != nullptr) {
        listener_->onTextChanged(id_, text_);
    }
}
