#include "game/story/map/StoryText.hpp"

#include "engine/config/Config.hpp"
#include "engine/render/Color.hpp"
#include "engine/text/Font.hpp"

namespace StoryText {

namespace {

const Color kInk(250, 238, 210);
const Color kShadow(20, 12, 6, 200);
constexpr int kShadowOffset = 2;

}  // namespace

void centredLine(Graphics* graphics, Font* font, int y, const std::string& text) {
    const int x = static_cast<int>(Config::instance().getWidth() * 0.5f - font->textWidth(text) * 0.5f);
    font->drawTextLine(graphics, x + kShadowOffset, y + kShadowOffset, text, kShadow);
    font->drawTextLine(graphics, x, y, text, kInk);
}

void box(Graphics* graphics, Font* font, const IntRect& area, const std::string& text, int vAlign) {
    const IntRect shadow(area.x + kShadowOffset, area.y + kShadowOffset, area.w, area.h);
    font->drawTextInBox(graphics, shadow, text, kShadow, Font::kAlignCenter, vAlign, true);
    font->drawTextInBox(graphics, area, text, kInk, Font::kAlignCenter, vAlign, true);
}

}  // namespace StoryText
