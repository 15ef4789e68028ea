#pragma once

#include <string>

#include "engine/render/Color.hpp"
#include "engine/text/Font.hpp"
#include "engine/widgets/Widget.hpp"

// Text laid out in the widget's box: wrapped at words to the box width (unless
// wrapping is off) and aligned with the Font box alignments, over a filled
// background. The font is not owned.
class TextLabelEx : public Widget {
public:
    TextLabelEx(const std::string& text, Font* font, const Color& textColor = Color::white(),
                int hAlign = Font::kAlignCenter, int vAlign = Font::kAlignMiddle, bool wrap = true);

    void draw(Graphics* graphics, ScreenBase* screen) override;

    void setText(const std::string& text) { text_ = text; }
    const std::string& getText() const { return text_; }
    void setFont(Font* font) { font_ = font; }
    void setTextColor(const Color& color) { textColor_ = color; }
    // Kept for callers that pass a highlight colour; drawing does not use it.
    void setSecondColor(const Color& color) { secondColor_ = color; }
    const Color& getSecondColor() const { return secondColor_; }
    void setBackgroundColor(const Color& color) { backgroundColor_ = color; }
    void setAlignment(int hAlign, int vAlign) {
        hAlign_ = hAlign;
        vAlign_ = vAlign;
    }
    void setWrap(bool wrap) { wrap_ = wrap; }

private:
    std::string text_;
    Font* font_;
    Color textColor_;
    Color secondColor_;
    Color backgroundColor_{0, 0, 0, 0};
    int hAlign_;
    int vAlign_;
    bool wrap_;
};
