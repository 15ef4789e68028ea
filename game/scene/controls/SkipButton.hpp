#pragma once

#include "game/scene/controls/RechargeButton.hpp"

class ConfigFile;

// The minigames' skip button (id 1000): it can be pressed only after its
// countdown ("MiniGameBase.SkipBtn.CountDownDuration.Normal" ms), which
// starts when it is made; the full picture grows from the left meanwhile.
class SkipButton : public RechargeButton {
public:
    static constexpr int Id = 1000;
    static constexpr int CountdownTag = 10;

    SkipButton(TarvikButtonListener* listener, const TarvikButtonStyle& style, Texture* full,
               const ConfigFile* parameters);

    void draw(Graphics* graphics, ScreenBase* screen) override;
};
