#include "engine/widgets/ButtonTooltip.hpp"

#include <algorithm>

#include "engine/render/Graphics.hpp"
#include "engine/text/Font.hpp"

ButtonTooltip::ButtonTooltip(std::string text, Font* font) : text_(std::move(text)), font_(font) {}

void ButtonTooltip::update(int milliseconds) {
    elapsed_ = std::min(elapsed_ + milliseconds, ShowDelay + FadeTime + 1);
}

int ButtonTooltip::alpha() const {
    return std::clamp((elapsed_ - ShowDelay) * 255 / FadeTime, 0, 255);
}

void ButtonTooltip::draw(Graphics* graphics, int buttonWidth, int buttonHeight) const {
    if (!isShown() || font_ == nullptr) {
        return;
    }
    const int a = alpha();
    auto faded = [a](int r, int g, int b, int opacity) {
        return Color(static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g), static_cast<std::uint8_t>(b),
                     static_cast<std::uint8_t>(opacity * a / 255));
    };
    const int width = font_->textWidth(text_) + 2 * Padding;
    const int height = font_->getLineHeight() + 2 * Padding;
    const int x = (buttonWidth - width) / 2;
    const int y = buttonHeight + 4;
    graphics->fillRect(x + 2, y + 3, width, height, faded(20, 10, 4, 110));
    graphics->fillRect(x, y, width, height, faded(58, 30, 18, 235));
    graphics->fillRect(x + 1, y + 1, width - 2, height / 2, faded(110, 62, 36, 90));
    graphics->drawRect(x, y, width, height, faded(214, 170, 96, 255));
    font_->drawTextLine(graphics, x + Padding, y + Padding, text_, faded(246, 232, 198, 255));
}
