#include "MinigameHand.hpp"

#include "ScreenLook.hpp"
#include "engine/dialogs/MessageDialog.hpp"
#include "engine/dialogs/MessageDialogSimple.hpp"
#include "engine/widgets/SimpleImageButton.hpp"
#include "game/minigames/MiniGameBase.hpp"
#include "game/scene/controls/SkipButton.hpp"

namespace {

// The button of the congratulation or of another message on show, or null.
const Widget* messageButton(const MiniGameBase& game) {
    if (const auto* solved = dynamic_cast<const MessageDialogSimple*>(game.getSolvedDialog())) {
        return solved->getButton();
    }
    const MessageDialog* message = ScreenLook::dialog(game);
    return message && !message->getButtons().empty() ? message->getButtons().front() : nullptr;
}

}  // namespace

void MinigameHand::arrive(MiniGameBase& game) {
    if (&game == game_) {
        return;
    }
    game_ = &game;
    hand_ = PuzzleHand::forGame(game, random_, record_);
    since_ = -1;
    skipping_ = !hand_ || (style_ == PlayStyle::Hasty && !skippedOne_);
    counted_ = false;
}

void MinigameHand::left() {
    game_ = nullptr;
    hand_.reset();
}

std::string MinigameHand::play(MiniGameBase& game, BotHands& hands, long frame) {
    if (since_ < 0) {
        since_ = frame;
    }
    if (!counted_ && hand_ && hand_->solved()) {
        ++record_.minigamesSolved;
        record_.minigameFrames[game.getName()] += frame - since_;
        counted_ = true;
    }
    if (const Widget* button = messageButton(game)) {
        Point at;
        if (ScreenLook::pressableInDialog(game, button, &at)) {
            hands.wait(4);
            hands.click(static_cast<int>(at.x), static_cast<int>(at.y));
            hands.wait(10);
        }
        return std::string();
    }
    if (skipping_) {
        skip(game, hands);
        return std::string();
    }
    if (counted_) {
        return std::string();
    }
    if (frame - since_ > FrameLimit) {
        return game.getName() + " is not solved after " + std::to_string(FrameLimit) + " frames";
    }
    return hand_->play(hands);
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
    skippedOne_ = true;
    return true;
}
