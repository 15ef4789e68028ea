#include "engine/widgets/TextLabelEx.hpp"

#include "engine/render/Graphics.hpp"

TextLabelEx::TextLabelEx(const std::string& text, Font* font, const Color& textColor, int hAlign, int vAlign,
                         bool wrap)
    : text_(text), font_(font), textColor_(textColor), hAlign_(hAlign), vAlign_(vAlign), wrap_(wrap) {}

void TextLabelEx::draw(Graphics* graphics, ScreenBase* /*screen*/) {
    if (font_ == nullptr || !isVisible()) {
        return;
    }
    graphics->fillRect(0, 0, getWidth(), getHeight(), backgroundColor_);
    font_->drawTextInBox(graphics, IntRect(0, 0, getWidth(), getHeight()), text_, textColor_, hAlign_, vAlign_,
                         wrap_);
}
