#include "game/story/cutscenes/LogoSeqManager.hpp"

#include "engine/animation/AnimationPlayer.hpp"
#include "engine/app/GameApp.hpp"
#include "engine/audio/catalogue/SfxContainer.hpp"
#include "engine/render/Graphics.hpp"
#include "engine/transitions/EmptyTransition.hpp"

namespace {
const char* const kAnimation = "ANIMATION";
}

LogoSeqManager::LogoSeqManager(std::vector<Config::LogoScreen> logos, TextureFactory* textures)
    : ScreenBase("LogoSeqManager"),
      logos_(std::move(logos)),
      player_(std::make_unique<AnimationPlayer>(this, textures)) {
    setEnterTransition(new EmptyTransition());
    setLeaveTransition(new EmptyTransition());
}

LogoSeqManager::~LogoSeqManager() = default;

void LogoSeqManager::onEntered() {
    showNext();
}

void LogoSeqManager::showNext() {
    while (++index_ < static_cast<int>(logos_.size())) {
        const Config::LogoScreen& logo = logos_[static_cast<std::size_t>(index_)];
        if (logo.type == kAnimation) {
            player_->loadAnimation(logo.folder + logo.fileName, index_);
            player_->playAnimation(index_, 0, 0, 0, getWidgetManager());
            SfxContainer::instance().play("LOGO");
            return;
        }
    }
    startLeave(0, true);
}

void LogoSeqManager::animationFinished(int id) {
    if (id != index_) {
        return;
    }
    player_->stopAnimation(id);
    player_->removeAnimation(id);
    showNext();
}

void LogoSeqManager::onMouseEvent(const MouseEvent& event) {
    ScreenBase::onMouseEvent(event);
    if (event.kind == MouseEvent::Release && getPhase() == Shown && index_ >= 0 &&
        index_ < static_cast<int>(logos_.size())) {
        animationFinished(index_);
    }
}

void LogoSeqManager::drawBackground(Graphics* graphics) {
    const Config& config = Config::instance();
    graphics->fillRect(0, 0, config.getWidth(), config.getHeight(), Color(0, 0, 0, 255));
}

void LogoSeqManager::onLeft(int /*result*/) {
    GameApp* app = gameApp();
    app->popState();
    app->startOpeningCutscene();
}
