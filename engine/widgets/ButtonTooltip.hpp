#pragma once

#include <string>

class Font;
class Graphics;

// The small note a button shows while the pointer rests on it: it waits
// ShowDelay ms, then fades in over FadeTime ms, as a dark painted plate with a
// gilt rule centred below the button. The button creates it when the pointer
// enters and deletes it when the pointer leaves. The font is not owned.
class ButtonTooltip {
public:
    static constexpr int ShowDelay = 600;
    static constexpr int FadeTime = 200;
    static constexpr int Padding = 6;

    ButtonTooltip(std::string text, Font* font);

    void update(int milliseconds);
    // Draws below a button of the given size, the matrix at the button's corner.
    void draw(Graphics* graphics, int buttonWidth, int buttonHeight) const;

    bool isShown() const { return elapsed_ > ShowDelay; }
    // 0 while waiting, then rising to 255 over the fade.
    int alpha() const;
    const std::string& getText() const { return text_; }

private:
    std::string text_;
    Font* font_;
    int elapsed_ = 0;
};
