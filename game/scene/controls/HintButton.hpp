#pragma once

#include "game/scene/controls/RechargeButton.hpp"

class ConfigFile;

// The scene's hint button (id 1). A press is reported like any button's and
// starts the refill ("HOScene.HintBtn.FillUpDuratin.Normal" ms); a grey cover
// over the button shrinks upward as it refills, and "HINT_ENABLED" sounds
// when it is ready again.
class HintButton : public RechargeButton {
public:
    static constexpr int Id = 1;
    static constexpr int RechargeTag = 654321;

    HintButton(TarvikButtonListener* listener, const TarvikButtonStyle& style, Texture* full,
               const ConfigFile* parameters);

    void onMousePress(const MouseEvent& event) override;
    void draw(Graphics* graphics, ScreenBase* screen) override;

protected:
    void onRecharged() override;
};
