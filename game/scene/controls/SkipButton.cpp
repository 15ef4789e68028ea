#include "game/scene/controls/SkipButton.hpp"

#include "engine/config/ConfigFile.hpp"
#include "engine/render/Graphics.hpp"
#include "engine/render/Texture.hpp"
#include "engine/text/Font.hpp"

namespace {
const int kDefaultCountdown = 30000;

int countdownTime(const ConfigFile* parameters) {
    return parameters ? parameters->readInt("MiniGameBase.SkipBtn.CountDownDuration.Normal", kDefaultCountdown)
                      : kDefaultCountdown;
}
}  // namespace

SkipButton::SkipButton(TarvikButtonListener* listener, const TarvikButtonStyle& style, Texture* full,
                       const ConfigFile* parameters)
    : RechargeButton(listener, Id, style, full, countdownTime(parameters), full ? full->getWidth() : 0,
                     CountdownTag) {
    startRecharge();
}

void SkipButton::draw(Graphics* graphics, ScreenBase* screen) {
    TarvikButton::draw(graphics, screen);
    if (!full_) {
        return;
    }
    const int shown = isRecharging() ? getFill() : full_->getWidth();
    if (shown > 0) {
        graphics->drawImage(0, 0, static_cast<unsigned>(shown), static_cast<unsigned>(full_->getHeight()), full_,
                            Rect(0.0f, 0.0f, static_cast<float>(shown), static_cast<float>(full_->getHeight())),
                            Color::white());
    }
    const TarvikButtonAppearance& look = getStyle().appearances[TarvikButtonStyle::Normal];
    if (look.font) {
        look.font->drawTextInBox(graphics, IntRect(0, 0, getWidth(), getHeight()), getStyle().caption,
                                 look.textColor, Font::kAlignCenter, Font::kAlignMiddle, false);
    }
}
