#include "game/story/map/StoryText.hpp"

#include "engine/render/Color.hpp"
#include "engine/render/Graphics.hpp"
#include "engine/text/Font.hpp"
#include "game/menus/MenuLook.hpp"

namespace StoryText {

namespace {

const Color kInk(250, 238, 210);
const Color kShadow(20, 12, 6, 200);
constexpr int kShadowOffset = 2;
// A box of text lies on a dark band so it reads over bright paper.
const Color kBand(30, 20, 10, 130);
constexpr int kBandMargin = 8;

}  // namespace

void centredLine(Graphics* graphics, Font* font, int y, const std::string& text) {
    const int x = static_cast<int>(MenuLook::screenWidth() * 0.5f - font->textWidth(text) * 0.5f);
    font->drawTextLine(graphics, x + kShadowOffset, y + kShadowOffset, text, kShadow);
    font->drawTextLine(graphics, x, y, text, kInk);
}

void box(Graphics* graphics, Font* font, const IntRect& area, const std::string& text, int vAlign) {
    graphics->fillRect(area.x - kBandMargin, area.y - kBandMargin, area.w + 2 * kBandMargin, area.h + 2 * kBandMargin,
                       kBand);
    const IntRect shadow(area.x + kShadowOffset, area.y + kShadowOffset, area.w, area.h);
    font->drawTextInBox(graphics, shadow, text, kShadow, Font::kAlignCenter, vAlign, true);
    font->drawTextInBox(graphics, area, text, kInk, Font::kAlignCenter, vAlign, true);
}

}  // namespace StoryText
