#pragma once

#include <string>

#include "engine/widgets/Widget.hpp"

class Font;
class Texture;

// The scene's score: the caption and the value over the score picture. The
// scene changes the value directly; the font and picture are not owned.
class ScoreWidget : public Widget {
public:
    static constexpr const char* BackgroundImage = "content/images/scenegui/ScoreBg.png";
    static constexpr const char* BackgroundName = "SCENEGUI_SCORE_BG";

    ScoreWidget(int x, int y, Font* font, Texture* background, const std::string& caption);

    void draw(Graphics* graphics, ScreenBase* screen) override;

    int getValue() const { return value_; }
    // Points may be taken away, but the score never falls below 0.
    void add(int points);

private:
    int value_ = 0;
    Font* font_;
    Texture* background_;
    std::string caption_;
};
