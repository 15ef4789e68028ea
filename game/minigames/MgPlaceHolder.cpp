#include "game/minigames/MgPlaceHolder.hpp"

#include "engine/app/GameApp.hpp"
#include "engine/render/Graphics.hpp"
#include "engine/text/Font.hpp"
#include "game/app/SharedResources.hpp"
#include "game/story/flow/ResultCodes.hpp"

MgPlaceHolder::MgPlaceHolder(const std::string& caption, bool fromExtrasMenu, TextureFactory* textures)
    : MiniGameBase("MgPlaceHolder", "MGPLACEHOLDER_TUT", fromExtrasMenu, textures),
      caption_(caption) {}

void MgPlaceHolder::onMousePressed(const MouseEvent& /*event*/) {
    if (getPhase() == Shown) {
        close(ResultCodes::MinigameDone);
    }
}

void MgPlaceHolder::drawBackground(Graphics* graphics) {
    const int width = gameApp()->getScreenWidth();
    const int height = gameApp()->getScreenHeight();
    graphics->fillRect(0, 0, width, height, Color(128, 128, 128, 255));
    Font* font = SharedResources::instance().trajanPro22;
    if (font) {
        font->drawTextLine(graphics, (width - font->textWidth(caption_)) / 2, (height - font->getLineHeight()) / 2,
                           caption_, Color::white());
    }
}

ScreenBase* MgPlaceHolder::restarted() const {
    // A reset placeholder no longer knows what it stood for.
    return new MgPlaceHolder(ResetCaption, isFromExtrasMenu(), givenTextures());
}
