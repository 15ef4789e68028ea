#include "game/menus/TitleScreen.hpp"

#include <SDL/SDL_keysym.h>

#include "engine/app/GameApp.hpp"
#include "engine/render/GLTextureFactory.hpp"
#include "engine/render/Graphics.hpp"
#include "engine/render/Texture.hpp"
#include "engine/resources/ResourceManager.hpp"

namespace {
const char* const kBackground = "content/images/menus/TitleBackground.png";
}

TitleScreen::TitleScreen() : ScreenBase("TitleScreen") {}

void TitleScreen::build() {
    GLTextureFactory textures;
    background_ = textures.load(kBackground, nullptr, Texture::KeepNothing);
    getResourceManager()->addTexture(kBackground, background_);
}

void TitleScreen::onEnter() {}

void TitleScreen::drawBackground(Graphics* graphics) {
    if (background_ && background_->getWidth() > 0) {
        graphics->drawImage(0, 0, background_, Color::white());
    }
}

void TitleScreen::onKeyEvent(const KeyEvent& event) {
    ScreenBase::onKeyEvent(event);
    if (event.action == KeyEvent::Press && event.key == SDLK_ESCAPE) {
        gameApp()->requestQuit();
    }
}
