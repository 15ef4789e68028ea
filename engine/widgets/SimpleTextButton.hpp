#pragma once

#include <string>

#include "engine/render/Color.hpp"
#include "engine/widgets/SimpleButtonBase.hpp"

class Font;

// A line of text that works as a button: highlighted while the pointer is
// over it, reacting to the left button only. A left press reports code 0; a
// left release over it reports code 1 even without a press before. The
// pressed state is put aside while the pointer is away and restored when it
// comes back. The font is not owned.
class SimpleTextButton : public SimpleButtonBase {
public:
    SimpleTextButton(SimpleButtonListener* listener, int id, Font* font, const std::string& text,
                     const Color& color = Color(243, 226, 184), const Color& highlight = Color(255, 250, 225));

    void draw(Graphics* graphics, ScreenBase* screen) override;
    void onMousePress(const MouseEvent& event) override;
    void onMouseRelease(const MouseEvent& event) override;
    void onMouseEnter() override;
    void onMouseLeave() override;

    void setText(const std::string& text);
    const std::string& getText() const { return text_; }
    bool isHighlighted() const { return highlighted_; }

protected:
    virtual void paint(Graphics* graphics);

private:
    Font* font_;
    std::string text_;
    Color color_;
    Color highlight_;
    bool highlighted_ = false;
    bool rememberedPressed_ = false;
};
