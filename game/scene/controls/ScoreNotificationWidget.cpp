#include "game/scene/controls/ScoreNotificationWidget.hpp"

#include <algorithm>

#include "engine/actions/TinyParalelAction.hpp"
#include "engine/actions/TinyRelIncrementator.hpp"
#include "engine/render/Graphics.hpp"
#include "engine/text/Font.hpp"

ScoreNotificationWidget::ScoreNotificationWidget(Font* font) : font_(font) {
    auto* action = new TinyParalelAction();
    action->addAction(new TinyRelIncrementator<int>(Length, &y_, -Rise));
    action->addAction(new TinyRelIncrementator<int>(Length, &alpha_, -255));
    action_.reset(action);
    setEnabled(false);
}

ScoreNotificationWidget::~ScoreNotificationWidget() = default;

void ScoreNotificationWidget::show(int x, int y, const std::string& text, const Color& color) {
    hidden_ = false;
    setPosition(x, y);
    y_ = y;
    text_ = text;
    color_ = color;
    alpha_ = 255;
    action_->stop();
    action_->start(this, 0);
}

void ScoreNotificationWidget::update(int milliseconds, ScreenBase* /*screen*/) {
    if (hidden_) {
        return;
    }
    action_->update(milliseconds);
    color_.a = static_cast<std::uint8_t>(std::clamp(alpha_, 0, 255));
    setPosition(getX(), y_);
}

void ScoreNotificationWidget::draw(Graphics* graphics, ScreenBase* /*screen*/) {
    if (hidden_ || !font_) {
        return;
    }
    font_->drawTextLine(graphics, -font_->textWidth(text_) / 2, -font_->getLineHeight() / 2, text_, color_);
}

void ScoreNotificationWidget::actionFinished(int /*tag*/) {
    hidden_ = true;
}
