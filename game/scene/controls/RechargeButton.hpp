#pragma once

#include <memory>

#include "engine/widgets/TarvikButton.hpp"

class TinyAction;

// A TarvikButton that is out of use while it fills up again: it is made
// inactive, its fill runs from 0 to the full picture's extent over the
// duration, and then it is active again. The full picture is not owned.
class RechargeButton : public TarvikButton {
public:
    RechargeButton(TarvikButtonListener* listener, int id, const TarvikButtonStyle& style, Texture* full,
                   int duration, int extent, int tag);
    ~RechargeButton() override;

    void startRecharge();
    void update(int milliseconds, ScreenBase* screen) override;
    void actionFinished(int tag) override;

    int getFill() const { return fill_; }
    bool isRecharging() const { return recharging_; }

protected:
    // Called when the fill is complete and the button is active again.
    virtual void onRecharged() {}

    Texture* full_;

private:
    int fill_ = 0;
    bool recharging_ = false;
    int tag_;
    std::unique_ptr<TinyAction> recharge_;
};
