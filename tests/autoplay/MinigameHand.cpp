#include "MinigameHand.hpp"

#include "ScreenLook.hpp"
#include "engine/dialogs/MessageDialog.hpp"
#include "engine/widgets/TarvikButton.hpp"
#include "game/minigames/MiniGameBase.hpp"
#include "game/scene/controls/SkipButton.hpp"

void MinigameHand::arrive(MiniGameBase& game) {
    if (&game == game_) {
        return;
    }
    game_ = &game;
    skipping_ = !skippedOne_;
    counted_ = false;
}

std::string MinigameHand::play(MiniGameBase& game, BotHands& hands, long /*frame*/) {
    Point at;
    if (const MessageDialog* message = ScreenLook::dialog(game)) {
        if (!message->getButtons().empty() && ScreenLook::pressable(game, message->getButtons().front(), &at)) {
            if (!counted_) {
                ++record_.minigamesSolved;
                counted_ = true;
            }
            hands.wait(4);
            hands.click(static_cast<int>(at.x), static_cast<int>(at.y));
            hands.wait(10);
        }
        return std::string();
    }
    if (skipping_) {
        skip(game, hands);
    }
    return std::string();
}

bool MinigameHand::skip(MiniGameBase& game, BotHands& hands) {
    SkipButton* button = game.getSkipButton();
    Point at;
    if (!button || button->isRecharging() || !ScreenLook::pressable(game, button, &at)) {
        return false;
    }
    hands.click(static_cast<int>(at.x), static_cast<int>(at.y));
    hands.wait(30);
    ++record_.minigamesSkipped;
    counted_ = true;
    skipping_ = false;
    skippedOne_ = skippedOne_ || style_ == PlayStyle::Hasty;
    return true;
}
