#include "game/story/cutscenes/CreditsScreen.hpp"

#include "engine/actions/ActionSequence.hpp"
#include "engine/actions/LoopAction.hpp"
#include "engine/actions/RelDecrementator.hpp"
#include "engine/actions/Setter.hpp"
#include "engine/app/GameApp.hpp"
#include "engine/render/Graphics.hpp"
#include "engine/render/Texture.hpp"
#include "engine/render/TextureFactory.hpp"
#include "engine/resources/ResourceManager.hpp"
#include "engine/text/Font.hpp"
#include "game/app/SharedResources.hpp"
#include "game/menus/MenuLook.hpp"
#include "game/menus/MenuServices.hpp"

CreditsScreen::CreditsScreen(const std::string& path, TextureFactory* textures, const Timer* timer)
    : ScreenBase("CreditsScreen") {
    credits_.load(path);
    if (!credits_.background.empty()) {
        TextureFactory& factory = textures ? *textures : MenuServices::current().textures();
        background_ = factory.load(credits_.background, nullptr, Texture::KeepNothing);
        if (background_) {
            getResourceManager()->addTexture("CREDITS_BG", background_);
        }
    }
    auto* pass = new kve::ActionSequence();
    pass->addAction(new kve::Setter<float>(&scrollOffset_, PassStart));
    pass->addAction(new kve::RelDecrementator<float>(credits_.globalTiming, &scrollOffset_, passDistance(), timer));
    scroll_ = std::make_unique<kve::LoopAction>(pass, -1);
}

CreditsScreen::~CreditsScreen() = default;

Font* CreditsScreen::font() {
    return SharedResources::instance().credits;
}

void CreditsScreen::onEnter() {
    scroll_->start(nullptr, 0);
}

void CreditsScreen::onUpdate(int milliseconds) {
    scroll_->update(milliseconds);
}

int CreditsScreen::lineY(std::size_t index) const {
    return static_cast<int>(static_cast<float>(index * LineSpacing) + scrollOffset_);
}

void CreditsScreen::drawBackground(Graphics* graphics) {
    if (background_) {
        graphics->drawImage(0, 0, background_, Color::white());
    } else {
        graphics->fillRect(0, 0, MenuLook::screenWidth(), MenuLook::screenHeight(), Color(255, 255, 0, 255));
    }
}

void CreditsScreen::drawForeground(Graphics* graphics) {
    Font* text = font();
    if (!text) {
        return;
    }
    // Each line is centred on StartX.
    const int width = credits_.centredRoom(MenuLook::screenWidth());
    const int left = credits_.startX - width / 2;
    const int height = text->getLineHeight();
    for (std::size_t i = 0; i < credits_.lines.size(); ++i) {
        const CreditsFile::Line& line = credits_.lines[i];
        const int y = lineY(i);
        if (y + height < 0 || y > MenuLook::screenHeight()) {
            continue;
        }
        text->drawTextInBox(graphics, IntRect(left, y - 1, width, height), line.text, Color(0, 0, 0, 255),
                            Font::kAlignCenter, Font::kAlignTop, false);
        text->drawTextInBox(graphics, IntRect(left, y, width, height), line.text, line.color,
                            Font::kAlignCenter, Font::kAlignTop, false);
    }
}

void CreditsScreen::onMouseReleased(const MouseEvent& /*event*/) {
    if (getPhase() == Shown) {
        startLeave(-1, true);
    }
}

void CreditsScreen::onLeft(int /*result*/) {
    gameApp()->popState();
}
