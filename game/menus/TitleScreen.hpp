#pragma once

#include "engine/screens/ScreenBase.hpp"

class Font;
class Texture;

// The first screen of the game: the painted title picture with the game's
// name and motto. Escape ends the game.
class TitleScreen : public ScreenBase {
public:
    TitleScreen();

protected:
    void build() override;
    void onEnter() override;
    void drawBackground(Graphics* graphics) override;
    void onKeyEvent(const KeyEvent& event) override;

private:
    Texture* background_ = nullptr;
    Font* textFont_ = nullptr;
    Font* hintFont_ = nullptr;
};
