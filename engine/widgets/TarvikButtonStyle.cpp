#include "engine/widgets/TarvikButtonStyle.hpp"

#include <cmath>

namespace {

float mix(float a, float b, float t) {
    return a + (b - a) * t;
}

int mixInt(int a, int b, float t) {
    return static_cast<int>(std::lround(mix(static_cast<float>(a), static_cast<float>(b), t)));
}

Color mixColor(const Color& a, const Color& b, float t) {
    auto channel = [t](std::uint8_t x, std::uint8_t y) { return static_cast<std::uint8_t>(mixInt(x, y, t)); };
    return Color(channel(a.r, b.r), channel(a.g, b.g), channel(a.b, b.b), channel(a.a, b.a));
}

}  // namespace

bool TarvikButtonAppearance::operator==(const TarvikButtonAppearance& o) const {
    return image == o.image && color == o.color && font == o.font && textColor == o.textColor &&
           imageX == o.imageX && imageY == o.imageY && textX == o.textX && textY == o.textY && scale == o.scale;
}

TarvikButtonAppearance TarvikButtonAppearance::blend(const TarvikButtonAppearance& a,
                                                     const TarvikButtonAppearance& b, float t) {
    const TarvikButtonAppearance& nearer = t < 0.5f ? a : b;
    TarvikButtonAppearance out;
    out.image = nearer.image;
    out.font = nearer.font;
    out.color = mixColor(a.color, b.color, t);
    out.textColor = mixColor(a.textColor, b.textColor, t);
    out.imageX = mixInt(a.imageX, b.imageX, t);
    out.imageY = mixInt(a.imageY, b.imageY, t);
    out.textX = mixInt(a.textX, b.textX, t);
    out.textY = mixInt(a.textY, b.textY, t);
    out.scale = mix(a.scale, b.scale, t);
    return out;
}

TarvikButtonStyle TarvikButtonStyle::standard(Texture* normal, Texture* over, Font* font, const std::string& caption,
                                              Texture* pressed, Texture* inactive) {
    TarvikButtonStyle style;
    style.caption = caption;
    style.tooltipFont = font;

    TarvikButtonAppearance& rest = style.appearances[Normal];
    rest.image = normal;
    rest.font = font;
    rest.textColor = Color(243, 226, 184);

    TarvikButtonAppearance& hover = style.appearances[Over];
    hover = rest;
    hover.image = over != nullptr ? over : normal;
    hover.textColor = Color(255, 246, 214);
    hover.scale = 1.03f;

    TarvikButtonAppearance& down = style.appearances[Pressed];
    down = hover;
    down.image = pressed != nullptr ? pressed : hover.image;
    down.color = pressed != nullptr ? Color::white() : Color(222, 204, 182);
    down.textColor = Color(232, 208, 150);
    down.imageY = 1;
    down.textX = 1;
    down.textY = 2;
    down.scale = 0.98f;

    TarvikButtonAppearance& off = style.appearances[Inactive];
    off = rest;
    off.image = inactive != nullptr ? inactive : normal;
    off.color = inactive != nullptr ? Color::white() : Color(150, 142, 132, 210);
    off.textColor = Color(156, 140, 118);
    return style;
}
