#include "game/app/SystemNotice.hpp"

#include <algorithm>

#include "engine/render/Color.hpp"
#include "engine/render/Graphics.hpp"
#include "engine/render/IntRect.hpp"
#include "engine/text/Font.hpp"

void SystemNotice::show(const std::string& text) {
    text_ = text;
    remaining_ = ShowMs;
}

void SystemNotice::update(int milliseconds) {
    remaining_ = std::max(0, remaining_ - std::max(0, milliseconds));
}

int SystemNotice::opacity() const {
    return std::clamp(remaining_ * 255 / FadeMs, 0, 255);
}

void SystemNotice::draw(Graphics* graphics, Font* font, int canvasWidth) const {
    if (!visible() || !font || !graphics) {
        return;
    }
    const auto alpha = static_cast<std::uint8_t>(opacity());
    graphics->fillRect(0, 0, canvasWidth, BandHeight, Color(12, 8, 16, static_cast<std::uint8_t>(alpha * 200 / 255)));
    font->drawTextInBox(graphics, IntRect(24, 4, canvasWidth - 48, BandHeight - 8), text_,
                        Color(255, 236, 200, alpha), Font::kAlignCenter, Font::kAlignMiddle, true);
}
