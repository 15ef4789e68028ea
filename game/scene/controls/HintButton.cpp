#include "game/scene/controls/HintButton.hpp"

#include "engine/audio/catalogue/SfxContainer.hpp"
#include "engine/config/ConfigFile.hpp"
#include "engine/render/Graphics.hpp"
#include "engine/render/Texture.hpp"

namespace {
const int kDefaultRecharge = 60000;

int rechargeTime(const ConfigFile* parameters) {
    return parameters ? parameters->readInt("HOScene.HintBtn.FillUpDuratin.Normal", kDefaultRecharge)
                      : kDefaultRecharge;
}
}  // namespace

HintButton::HintButton(TarvikButtonListener* listener, const TarvikButtonStyle& style, Texture* full,
                       const ConfigFile* parameters)
    : RechargeButton(listener, Id, style, full, rechargeTime(parameters), full ? full->getHeight() : 0,
                     RechargeTag) {}

void HintButton::onMousePress(const MouseEvent& event) {
    const bool ready = isActive() && isPointerOver();
    TarvikButton::onMousePress(event);
    if (ready) {
        startRecharge();
    }
}

void HintButton::draw(Graphics* graphics, ScreenBase* screen) {
    TarvikButton::draw(graphics, screen);
    if (!full_ || !isRecharging()) {
        return;
    }
    const int covered = full_->getHeight() - getFill();
    if (covered > 0) {
        graphics->drawImage(0, 0, static_cast<unsigned>(full_->getWidth()), static_cast<unsigned>(covered), full_,
                            Rect(0.0f, 0.0f, static_cast<float>(full_->getWidth()), static_cast<float>(covered)),
                            Color(100, 100, 100, 150));
    }
}

void HintButton::onRecharged() {
    SfxContainer::instance().play("HINT_ENABLED");
}
