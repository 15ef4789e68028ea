#include "game/scene/controls/ScoreWidget.hpp"

#include <algorithm>

#include "engine/render/Graphics.hpp"
#include "engine/render/Texture.hpp"
#include "engine/text/Font.hpp"

ScoreWidget::ScoreWidget(int x, int y, Font* font, Texture* background, const std::string& caption)
    : font_(font), background_(background), caption_(caption) {
    setGeometry(x, y, background ? background->getWidth() : 0, background ? background->getHeight() : 0);
}

void ScoreWidget::add(int points) {
    value_ = std::max(0, value_ + points);
}

void ScoreWidget::draw(Graphics* graphics, ScreenBase* /*screen*/) {
    if (background_) {
        graphics->drawImage(0, 0, background_, Color::white());
    }
    if (!font_) {
        return;
    }
    // The picture is parted by a line at 85 of its 200 pixels: the caption
    // on its left, the value on its right.
    const int divider = getWidth() * 85 / 200;
    font_->drawTextInBox(graphics, IntRect(0, 0, divider, getHeight()), caption_, Color::white(), Font::kAlignCenter,
                         Font::kAlignMiddle, false);
    font_->drawTextInBox(graphics, IntRect(divider, 0, getWidth() - divider, getHeight()), std::to_string(value_),
                         Color::white(), Font::kAlignCenter, Font::kAlignMiddle, false);
}
