#include "game/menus/TitleScreen.hpp"

#include <SDL/SDL_keysym.h>

#include "engine/app/GameApp.hpp"
#include "engine/app/GameApp.hpp"
#include "engine/render/TextureFactory.hpp"
#include "engine/render/Graphics.hpp"
#include "engine/render/Texture.hpp"
#include "engine/resources/ResourceManager.hpp"
#include "engine/text/Font.hpp"
#include "engine/text/LabelManager.hpp"
#include "game/app/SharedResources.hpp"

namespace {

const char* const kBackground = "content/images/menus/TitleBackground.png";

// Text with a soft dark shadow so it reads over the painted sky.
void drawShadowed(Graphics* g, Font* font, const IntRect& box, const std::string& text, const Color& color) {
    if (!font) {
        return;
    }
    font->drawTextInBox(g, IntRect(box.x + 2, box.y + 3, box.w, box.h), text, Color(20, 12, 24, 170),
                        Font::kAlignCenter, Font::kAlignMiddle, true);
    font->drawTextInBox(g, box, text, color, Font::kAlignCenter, Font::kAlignMiddle, true);
}

}  // namespace

TitleScreen::TitleScreen() : ScreenBase("TitleScreen") {}

void TitleScreen::build() {
    background_ = gameApp()->getTextureFactory().load(kBackground, nullptr, Texture::KeepNothing);
    getResourceManager()->addTexture(kBackground, background_);
    textFont_ = SharedResources::instance().aldine26;
    hintFont_ = SharedResources::instance().myriadPro18;
}

void TitleScreen::onEnter() {}

void TitleScreen::drawBackground(Graphics* graphics) {
    if (background_ && background_->getWidth() > 0) {
        graphics->drawImage(0, 0, background_, Color::white());
    }
    const LabelManager* labels = gameApp()->getLabelManager();
    drawShadowed(graphics, textFont_, IntRect(0, 176, 1024, 50), labels->getLabel("GAME_SUBTITLE"),
                 Color(240, 222, 196));
    drawShadowed(graphics, hintFont_, IntRect(0, 700, 1024, 40), labels->getLabel("TITLE_LEAVE"),
                 Color(224, 206, 180));
}

void TitleScreen::onKeyEvent(const KeyEvent& event) {
    ScreenBase::onKeyEvent(event);
    if (event.action == KeyEvent::Press && event.key == SDLK_ESCAPE) {
        gameApp()->requestQuit();
    }
}
