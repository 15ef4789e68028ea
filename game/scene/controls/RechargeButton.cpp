#include "game/scene/controls/RechargeButton.hpp"

#include "engine/actions/TinyActionSequence.hpp"
#include "engine/actions/TinyRelIncrementator.hpp"
#include "engine/actions/TinySetter.hpp"

RechargeButton::RechargeButton(TarvikButtonListener* listener, int id, const TarvikButtonStyle& style,
                               Texture* full, int duration, int extent, int tag)
    : TarvikButton(listener, id, style), full_(full), tag_(tag) {
    auto* sequence = new TinyActionSequence();
    sequence->addAction(new TinySetter<int>(&fill_, 0));
    sequence->addAction(new TinyRelIncrementator<int>(duration, &fill_, extent));
    recharge_.reset(sequence);
}

RechargeButton::~RechargeButton() = default;

void RechargeButton::startRecharge() {
    deactivate();
    recharging_ = true;
    fill_ = 0;
    recharge_->start(this, tag_);
}

void RechargeButton::update(int milliseconds, ScreenBase* screen) {
    TarvikButton::update(milliseconds, screen);
    if (recharging_) {
        recharge_->update(milliseconds);
    }
}

void RechargeButton::actionFinished(int tag) {
    if (tag != tag_) {
        TarvikButton::actionFinished(tag);
        return;
    }
    recharging_ = false;
    activate();
    onRecharged();
}
