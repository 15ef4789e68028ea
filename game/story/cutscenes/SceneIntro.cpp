#include "game/story/cutscenes/SceneIntro.hpp"

#include <filesystem>

#include "engine/actions/TinyActionDelay.hpp"
#include "engine/actions/TinyActionSequence.hpp"
#include "engine/actions/TinyRelIncrementator.hpp"
#include "engine/animation/AnimationPlayer.hpp"
#include "engine/app/GameApp.hpp"
#include "engine/audio/catalogue/SfxContainer.hpp"
#include "engine/core/ContentPath.hpp"
#include "engine/render/Graphics.hpp"
#include "engine/text/Font.hpp"
#include "game/app/SharedResources.hpp"
#include "game/menus/MenuLook.hpp"
#include "game/menus/MenuServices.hpp"
#include "game/story/cutscenes/SceneIntroListener.hpp"

namespace {

constexpr int kIntroAnimation = 0;
constexpr int kBandMargin = 14;
constexpr int kBandAlpha = 150;

}  // namespace

SceneIntro::SceneIntro(const std::string& caption, SceneIntroListener* listener, TextureFactory* textures)
    : ScreenBase("SceneIntro"),
      caption_(caption),
      listener_(listener),
      player_(std::make_unique<AnimationPlayer>(this, textures ? textures : &MenuServices::current().textures())) {}

SceneIntro::~SceneIntro() = default;

std::string SceneIntro::captionOf(int sceneId) {
    std::string caption = MenuLook::label("SCENE_" + std::to_string(sceneId));
    caption = caption.substr(0, caption.find('-'));
    while (!caption.empty() && caption.back() == ' ') {
        caption.pop_back();
    }
    return caption;
}

void SceneIntro::onEnter() {
    std::error_code ignored;
    if (std::filesystem::is_regular_file(ContentPath::resolve(AnimationFile), ignored)) {
        player_->loadAnimation(AnimationFile, kIntroAnimation);
        player_->playAnimation(kIntroAnimation, 0, 0, 0, getWidgetManager());
    }
    captionAction_ = std::make_unique<TinyActionSequence>();
    captionAction_->addAction(new TinyRelIncrementator<int>(FadeInMilliseconds, &captionAlpha_, 255));
    captionAction_->addAction(new TinyActionDelay(HoldMilliseconds));
    captionAction_->addAction(new TinyRelIncrementator<int>(FadeOutMilliseconds, &captionAlpha_, -255));
    captionAction_->start(this, CaptionTag);
    SfxContainer::instance().play("SCENE_INTRO");
}

void SceneIntro::onUpdate(int milliseconds) {
    if (captionAction_ && captionAction_->isRunning()) {
        captionAction_->update(milliseconds);
    }
}

void SceneIntro::animationFinished(int id) {
    player_->stopAnimation(id);
    player_->removeAnimation(id);
}

void SceneIntro::actionFinished(int tag) {
    if (tag == CaptionTag && getPhase() != Leaving) {
        startLeave(0, true);
    }
}

void SceneIntro::drawBackground(Graphics* graphics) {
    graphics->fillRect(0, 0, MenuLook::screenWidth(), MenuLook::screenHeight(), Color(32, 32, 32, 100));
}

void SceneIntro::drawForeground(Graphics* graphics) {
    const int width = MenuLook::screenWidth();
    Font* font = SharedResources::instance().aldine26;
    if (font && captionAlpha_ > 0) {
        const auto alpha = static_cast<unsigned char>(captionAlpha_ > 255 ? 255 : captionAlpha_);
        // A dark band under the words keeps them readable over a busy painting.
        graphics->fillRect(0, CaptionY - kBandMargin, width, font->getLineHeight() + 2 * kBandMargin,
                           Color(0, 0, 0, static_cast<unsigned char>(kBandAlpha * alpha / 255)));
        font->drawTextInBox(graphics, IntRect(0, CaptionY, width, font->getLineHeight()), caption_,
                            Color(255, 255, 255, alpha), Font::kAlignCenter, Font::kAlignMiddle, false);
    }
}

void SceneIntro::onLeft(int /*result*/) {
    SceneIntroListener* listener = listener_;
    gameApp()->popState();
    if (listener) {
        listener->sceneIntroEnded();
    }
}
