#pragma once

#include <array>
#include <string>

#include "engine/render/Color.hpp"

class Font;
class Texture;
class TextureFactory;

// What a screen fills in to open a message dialog; the dialog keeps a copy.
// Texts are already localized. Positions inside the dialog are relative to
// its top-left corner (x, y). Fonts, pictures and the texture factory are
// shared, never owned. The defaults suit the game's 420 x 520 dialog frame.
struct MessageDialogDescription {
    // Empty names open and close the dialog without animation.
    std::string openingAnimation = "content/animations/UniversalDialog/MessageDialogStart.xml";
    std::string closingAnimation = "content/animations/UniversalDialog/MessageDialogClose.xml";

    std::string caption;
    std::string message;
    std::array<std::string, 2> buttonTexts;
    int buttonCount = 2;

    Font* captionFont = nullptr;
    Font* messageFont = nullptr;
    Font* buttonFont = nullptr;
    // The button pictures at rest and under the pointer.
    Texture* buttonImage = nullptr;
    Texture* buttonOverImage = nullptr;

    int x = 302;
    int y = 124;
    int width = 420;
    int height = 520;
    int captionX = 40;
    int captionY = 58;
    int captionWidth = 340;
    int messageX = 56;
    int messageY = 118;
    int messageWidth = 308;
    int messageHeight = 190;
    // Top-left corners of the buttons (the first is the answer 0).
    std::array<int, 2> buttonX = {100, 100};
    std::array<int, 2> buttonY = {408, 338};
    Color captionColor = Color(94, 44, 18);
    Color messageColor = Color(62, 38, 22);
    Color dimColor = Color(10, 6, 14, 150);

    // Where the animations take their pictures from; null means OpenGL textures.
    TextureFactory* textures = nullptr;

    // Centres a dialog of the description's size on a screen.
    void centreOn(int screenWidth, int screenHeight) {
        x = (screenWidth - width) / 2;
        y = (screenHeight - height) / 2;
    }
};
