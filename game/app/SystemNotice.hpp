#pragma once

#include <string>

class Font;
class Graphics;

// A message for the player laid over every screen for a while, without
// stopping play: a dark band across the top of the canvas with the text,
// fading out over its last second. Used when the game cannot do something
// the player relies on (a save that cannot be written).
class SystemNotice {
public:
    static constexpr int ShowMs = 10000;
    static constexpr int FadeMs = 1000;
    static constexpr int BandHeight = 64;

    // Shows the text from now on for ShowMs; a new text replaces the old.
    void show(const std::string& text);
    void update(int milliseconds);
    // Nothing is drawn once the time is up (or without a font).
    void draw(Graphics* graphics, Font* font, int canvasWidth) const;

    bool visible() const { return remaining_ > 0; }
    const std::string& text() const { return text_; }
    // 255 while shown, falling to 0 over the last FadeMs.
    int opacity() const;

private:
    std::string text_;
    int remaining_ = 0;
};
