#pragma once

#include <string>

#include "game/minigames/MiniGameBase.hpp"

// The smallest minigame: a grey screen with its caption that counts as done
// on the first press. It stands in for a minigame the flow names by caption.
class MgPlaceHolder : public MiniGameBase {
public:
    static constexpr const char* ResetCaption = "MINIGAME PLACEHOLDER SCREEN";

    explicit MgPlaceHolder(const std::string& caption, bool fromExtrasMenu = false,
                           TextureFactory* textures = nullptr);

    void onMousePressed(const MouseEvent& event) override;
    const std::string& getCaption() const { return caption_; }

protected:
    void drawBackground(Graphics* graphics) override;
    ScreenBase* restarted() const override;

private:
    std::string caption_;
};
