#pragma once

#include <string>

#include "engine/render/Color.hpp"
#include "engine/widgets/Widget.hpp"

class Font;

// One line of text in a widget, optionally over a filled background and with a
// drop shadow 2 pixels below. Mode 0 draws at the widget's top-left corner,
// mode 1 centres horizontally, mode 2 centres both ways. The font is not owned.
class TextLabel : public Widget {
public:
    static constexpr int kModeTopLeft = 0;
    static constexpr int kModeCenteredX = 1;
    static constexpr int kModeCentered = 2;

    TextLabel(const std::string& text, Font* font, const Color& textColor = Color::white(), int mode = kModeTopLeft);

    void draw(Graphics* graphics, ScreenBase* screen) override;

    void setText(const std::string& text) { text_ = text; }
    const std::string& getText() const { return text_; }
    void setFont(Font* font) { font_ = font; }
    Font* getFont() const { return font_; }
    void setTextColor(const Color& color) { textColor_ = color; }
    const Color& getTextColor() const { return textColor_; }
    void setBackgroundColor(const Color& color) { backgroundColor_ = color; }
    // White with alpha 0, the default, means no shadow.
    void setShadowColor(const Color& color) { shadowColor_ = color; }
    void setMode(int mode) { mode_ = mode; }

private:
    std::string text_;
    Font* font_;
    Color textColor_;
    Color backgroundColor_{0, 0, 0, 0};
    Color shadowColor_{255, 255, 255, 0};
    int mode_;
};
