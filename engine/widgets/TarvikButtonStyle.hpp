#pragma once

#include <array>
#include <string>

#include "engine/render/Color.hpp"

class Font;
class Texture;

// One look of a TarvikButton. The picture is drawn tinted, scaled about the
// button's centre and shifted by the image offset; the caption is centred in
// the button, shifted by the text offset. Pictures and fonts are not owned.
struct TarvikButtonAppearance {
    Texture* image = nullptr;
    Color color;
    Font* font = nullptr;
    Color textColor;
    int imageX = 0;
    int imageY = 0;
    int textX = 0;
    int textY = 0;
    float scale = 1.0f;

    bool operator==(const TarvikButtonAppearance& o) const;
    bool operator!=(const TarvikButtonAppearance& o) const { return !(*this == o); }
    // The look a fraction t (0 ... 1) of the way from a to b: numbers and
    // colours are interpolated, picture and font switch at the half.
    static TarvikButtonAppearance blend(const TarvikButtonAppearance& a, const TarvikButtonAppearance& b, float t);
};

// How a TarvikButton looks and changes: the four appearances (normal, pointer
// over, pressed, inactive), how long a change between them takes, the caption,
// the tooltip font and an optional hit mask (only its non-transparent pixels
// are hit). A button copies its style when it is made.
struct TarvikButtonStyle {
    enum Appearance { Normal = 0, Over = 1, Pressed = 2, Inactive = 3 };
    // Crossfade blends the old picture into the new one; Swap changes the
    // picture at the half of the change and only animates the numbers.
    enum Kind { Crossfade = 0, Swap = 1 };

    int kind = Crossfade;
    int changeDuration = 300;
    std::array<TarvikButtonAppearance, 4> appearances;
    Texture* hitMask = nullptr;
    std::string caption;
    Font* tooltipFont = nullptr;

    // The game's common button: the pressed look sinks and darkens, the
    // inactive one is greyed. Missing pictures fall back (pressed -> over ->
    // normal, inactive -> normal).
    static TarvikButtonStyle standard(Texture* normal, Texture* over, Font* font, const std::string& caption,
                                      Texture* pressed = nullptr, Texture* inactive = nullptr);
};
