#include "game/story/cutscenes/PlaceHolderScreen.hpp"

#include "engine/app/GameApp.hpp"
#include "engine/config/Config.hpp"
#include "engine/core/KeyEvent.hpp"
#include "engine/render/Graphics.hpp"
#include "engine/text/Font.hpp"
#include "game/app/SharedResources.hpp"
#include "game/story/flow/GameFlow.hpp"

PlaceHolderScreen::PlaceHolderScreen(const std::string& name, const std::string& caption, const std::string& detail,
                                     Leave leave)
    : ScreenBase(name), caption_(caption), detail_(detail), leave_(std::move(leave)) {}

PlaceHolderScreen::Leave PlaceHolderScreen::handOverTo(Follower follower) {
    return [follower](StateStack* stack) { GameFlow::instance().handOver(stack, follower()); };
}

void PlaceHolderScreen::onMouseReleased(const MouseEvent& /*event*/) {
    if (getPhase() == Shown) {
        startLeave(0, true);
    }
}

void PlaceHolderScreen::onKeyEvent(const KeyEvent& event) {
    ScreenBase::onKeyEvent(event);
    if (event.action == KeyEvent::Press && event.key == KeyEvent::EscapeKey && getPhase() == Shown) {
        startLeave(0, true);
    }
}

void PlaceHolderScreen::drawBackground(Graphics* graphics) {
    const Config& config = Config::instance();
    const int width = config.getWidth();
    const int height = config.getHeight();
    graphics->fillRect(0, 0, width, height, Color(128, 128, 128, 255));
    const SharedResources& shared = SharedResources::instance();
    const struct {
        Font* font;
        const std::string& text;
        int y;
    } lines[] = {
        {shared.trajanPro22FX, caption_, height / 2 - 60},
        {shared.trajanPro14, detail_, height / 2 - 10},
        {shared.trajanPro14, std::string(Prompt), height / 2 + 40},
    };
    for (const auto& line : lines) {
        if (line.font && !line.text.empty()) {
            line.font->drawTextInBox(graphics, IntRect(0, line.y, width, line.font->getLineHeight()), line.text,
                                     Color::white(), Font::kAlignCenter, Font::kAlignTop, true);
        }
    }
}

void PlaceHolderScreen::onLeft(int /*result*/) {
    // Leaving the stack deletes this screen: nothing of it is touched afterwards.
    Leave leave = std::move(leave_);
    leave(gameApp());
}
