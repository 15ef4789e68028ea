#include "game/story/cutscenes/AnimationScreen.hpp"

#include <SDL/SDL_keysym.h>

#include "engine/animation/Animation2D.hpp"
#include "engine/animation/AnimationPlayer.hpp"
#include "engine/app/GameApp.hpp"
#include "engine/render/Graphics.hpp"
#include "engine/text/Font.hpp"
#include "game/app/SharedResources.hpp"
#include "game/story/cutscenes/CutsceneList.hpp"
#include "game/menus/MenuLook.hpp"
#include "game/menus/MenuServices.hpp"
#include "game/story/cutscenes/StoryMusic.hpp"
#include "game/story/flow/GameFlow.hpp"
#include "game/story/flow/ResultCodes.hpp"

namespace {

// The stand-in frame: a magenta border of this width around a black panel.
constexpr int kMockMargin = 200;
constexpr int kMockBorder = 4;
// The subtitle band at the bottom of the screen.
constexpr int kSubtitleHeight = 80;

}  // namespace

AnimationScreen::AnimationScreen(const AnimationRequest& request, TextureFactory* textures)
    : ScreenBase("AnimationScreen"),
      request_(request),
      textures_(textures ? *textures : MenuServices::current().textures()),
      player_(std::make_unique<AnimationPlayer>(this, &textures_)),
      mock_(request.configPath == MockPath) {}

AnimationScreen::~AnimationScreen() = default;

void AnimationScreen::onEnter() {
    if (!mock_) {
        animations_ = CutsceneList::read(request_.configPath);
        for (std::size_t i = 0; i < animations_.size(); ++i) {
            player_->loadAnimation(animations_[i], static_cast<int>(i));
        }
    }
    StoryMusic::play(*getResourceManager(), request_.music);
}

void AnimationScreen::onEntered() {
    if (!mock_) {
        play(0);
    }
}

void AnimationScreen::play(int index) {
    if (current_ >= 0) {
        player_->stopAnimation(current_);
        player_->removeAnimation(current_);
    }
    current_ = index;
    if (index >= static_cast<int>(animations_.size())) {
        if (getPhase() != Leaving) {
            startLeave(ResultCodes::AnimationFinished, true);
        }
        return;
    }
    const Animation2D* animation = player_->getAnimation(index);
    // An animation without pictures would never end: it is passed over.
    if (!animation || animation->getElements().empty()) {
        play(index + 1);
        return;
    }
    player_->playAnimation(index, 0, 0, 0, getWidgetManager());
}

void AnimationScreen::animationFinished(int id) {
    if (id == current_) {
        play(current_ + 1);
    }
}

void AnimationScreen::onKeyEvent(const KeyEvent& event) {
    ScreenBase::onKeyEvent(event);
    if (event.action == KeyEvent::Press && event.key == SDLK_ESCAPE && getPhase() == Shown) {
        play(static_cast<int>(animations_.size()));
    }
}

void AnimationScreen::onMouseEvent(const MouseEvent& event) {
    ScreenBase::onMouseEvent(event);
    if (event.kind != MouseEvent::Release || getPhase() != Shown) {
        return;
    }
    play(mock_ ? static_cast<int>(animations_.size()) : current_ + 1);
}

void AnimationScreen::drawBackground(Graphics* graphics) {
    const int width = MenuLook::screenWidth();
    const int height = MenuLook::screenHeight();
    graphics->fillRect(0, 0, width, height, Color(0, 0, 0, 255));
    if (!mock_) {
        return;
    }
    const IntRect frame(kMockMargin, kMockMargin, width - 2 * kMockMargin, height - 2 * kMockMargin);
    graphics->fillRect(frame.x, frame.y, frame.w, frame.h, Color(255, 0, 255, 255));
    graphics->fillRect(frame.x + kMockBorder, frame.y + kMockBorder, frame.w - 2 * kMockBorder,
                       frame.h - 2 * kMockBorder, Color(0, 0, 0, 255));
    if (Font* font = SharedResources::instance().trajanPro14) {
        font->drawTextInBox(graphics, frame, MockText, Color::white(), Font::kAlignCenter, Font::kAlignMiddle, true);
    }
}

void AnimationScreen::drawForeground(Graphics* graphics) {
    Font* font = SharedResources::instance().aldine18;
    if (request_.subtitles.empty() || mock_ || !font) {
        return;
    }
    const int width = MenuLook::screenWidth();
    const IntRect band(0, MenuLook::screenHeight() - kSubtitleHeight, width, kSubtitleHeight);
    graphics->fillRect(band.x, band.y, band.w, band.h, Color(0, 0, 0, 150));
    font->drawTextInBox(graphics, band, MenuLook::label(request_.subtitles), Color::white(), Font::kAlignCenter,
                        Font::kAlignMiddle, true);
}

void AnimationScreen::onLeft(int result) {
    GameFlow& flow = GameFlow::instance();
    flow.handOver(gameApp(), flow.nextScreen(result != ResultCodes::AnimationReplay));
}
