#pragma once

#include <memory>

#include "engine/actions/TinyRelIncrementator.hpp"
#include "engine/transitions/Transition.hpp"

// A fade from black: a black veil over the whole screen whose alpha runs from
// 255 to 0 over the duration. It reports its end on the first update after
// the veil is gone (at once when the duration is 0, with the veil at its end
// value).
class FadeInTransition : public Transition {
public:
    explicit FadeInTransition(int duration);

    void update(int milliseconds) override;
    void drawUpper(Graphics* graphics) override;
    int getAlpha() const { return alpha_; }

protected:
    void begin() override;
    void startFade(int from, int delta);

private:
    int alpha_ = 0;
    int endAlpha_ = 0;
    int duration_;
    std::unique_ptr<TinyRelIncrementator<int>> action_;
};
