#include "engine/widgets/TextLabel.hpp"

#include "engine/render/Graphics.hpp"
#include "engine/text/Font.hpp"

TextLabel::TextLabel(const std::string& text, Font* font, const Color& textColor, int mode)
    : text_(text), font_(font), textColor_(textColor), mode_(mode) {}

void TextLabel::draw(Graphics* graphics, ScreenBase* /*screen*/) {
    if (font_ == nullptr || !isVisible()) {
        return;
    }
    const int w = getWidth();
    const int h = getHeight();
    const int textWidth = font_->textWidth(text_);
    int x = 0;
    int y = 0;
    if (mode_ == kModeCenteredX) {
        x = (w - textWidth) / 2;
    } else if (mode_ == kModeCentered) {
        x = static_cast<int>((w - textWidth) * 0.5);
        y = static_cast<int>(0.5 * (h - font_->getLineHeight()));
    }
    graphics->fillRect(0, 0, w, h, backgroundColor_);
    const bool noShadow = shadowColor_.r > 254 && shadowColor_.g > 254 && shadowColor_.b > 254 && shadowColor_.a == 0;
    if (!noShadow) {
        font_->drawTextLine(graphics, x, y + 2, text_, shadowColor_);
    }
    font_->drawTextLine(graphics, x, y, text_, textColor_);
}
