#include "game/story/dialogue/DialogScreen.hpp"

#include <SDL/SDL_keysym.h>

#include "engine/animation/Animation2D.hpp"
#include "engine/animation/AnimationPlayer.hpp"
#include "engine/app/GameApp.hpp"
#include "engine/render/Graphics.hpp"
#include "engine/render/Texture.hpp"
#include "engine/transitions/FadeInTransition.hpp"
#include "engine/transitions/FadeOutTransition.hpp"
#include "engine/widgets/TarvikButton.hpp"
#include "game/app/SharedResources.hpp"
#include "game/menus/MenuLook.hpp"
#include "game/menus/MenuServices.hpp"
#include "game/story/cutscenes/StoryMusic.hpp"
#include "game/story/dialogue/DialogScreenListener.hpp"
#include "game/story/dialogue/MyDialog.hpp"
#include "game/story/flow/GameFlow.hpp"
#include "game/story/flow/ResultCodes.hpp"

namespace {

// The skip button sits in the bottom-right corner, clear of the text boxes,
// as large as its picture (this size without one).
constexpr int kSkipWidth = 220;
constexpr int kSkipHeight = 60;
constexpr int kSkipMargin = 16;
constexpr int kSkipZ = 1000000;

}  // namespace

DialogScreen::DialogScreen(const DialogRequest& request, TextureFactory* textures)
    : ScreenBase("DialogScreen"),
      request_(request),
      textures_(textures ? *textures : MenuServices::current().textures()),
      player_(std::make_unique<AnimationPlayer>(this, &textures_)) {
    if (!request_.noPushOnLeave) {
        setEnterTransition(new FadeInTransition(FadeMilliseconds));
        setLeaveTransition(new FadeOutTransition(FadeMilliseconds));
    }
}

DialogScreen::~DialogScreen() = default;

Font* DialogScreen::font() {
    return SharedResources::instance().aldine18;
}

void DialogScreen::setLeaveListener(DialogScreenListener* listener, int id) {
    leaveListener_ = listener;
    leaveId_ = id;
}

void DialogScreen::onEnter() {
    if (request_.justPlayAnimation) {
        player_->loadAnimation(request_.fileName, AnimationId);
        player_->playAnimation(AnimationId, 0, 0, 0, getWidgetManager());
    } else {
        dialog_ = new MyDialog(request_.fileName, textures_, this, 0);
        addWidget(dialog_);
        dialog_->setGeometry(0, 0, 1280, 768);
        dialog_->attach(player_.get(), getWidgetManager());
        dialog_->release();
    }
    const int width = MenuLook::screenWidth();
    const int height = MenuLook::screenHeight();
    const Texture* picture = SharedResources::instance().buttonNormal;
    const int skipWidth = picture ? picture->getWidth() : kSkipWidth;
    const int skipHeight = picture ? picture->getHeight() : kSkipHeight;
    skip_ = new TarvikButton(this, SkipButtonId, MenuLook::button("SKIP"));
    // Above every character the dialogue brings in later.
    skip_->setBounds(WidgetBounds{width - skipWidth - kSkipMargin, height - skipHeight - kSkipMargin, kSkipZ,
                                  skipWidth, skipHeight});
    addWidget(skip_);
    StoryMusic::play(*getResourceManager(), request_.musicId);
}

void DialogScreen::onEntered() {
    // An animation that could not be read would never end: the story goes on.
    const Animation2D* animation = player_->getAnimation(AnimationId);
    if (request_.justPlayAnimation && (!animation || animation->getElements().empty())) {
        finish();
    }
}

void DialogScreen::finish() {
    if (getPhase() == Leaving) {
        return;
    }
    if (request_.justPlayAnimation) {
        player_->stopAnimation(AnimationId);
    }
    startLeave(ResultCodes::DialogDone, true);
}

void DialogScreen::dialogFinished(int /*dialogId*/) {
    finish();
}

void DialogScreen::animationFinished(int id) {
    if (request_.justPlayAnimation && id == AnimationId) {
        finish();
    }
}

void DialogScreen::onTarvikButton(int id, int code) {
    if (id == SkipButtonId && code == 1) {
        finish();
    }
}

void DialogScreen::onKeyEvent(const KeyEvent& event) {
    ScreenBase::onKeyEvent(event);
    if (event.action == KeyEvent::Press && event.key == SDLK_ESCAPE && getPhase() == Shown) {
        finish();
    }
}

void DialogScreen::onMouseEvent(const MouseEvent& event) {
    ScreenBase::onMouseEvent(event);
    if (event.kind != MouseEvent::Release || getPhase() != Shown || (skip_ && skip_->hitTest(event.x, event.y))) {
        return;
    }
    if (request_.justPlayAnimation) {
        finish();
    } else if (dialog_) {
        dialog_->click();
    }
}

void DialogScreen::drawBackground(Graphics* graphics) {
    if (dialog_ && dialog_->background()) {
        graphics->drawImage(0, 0, dialog_->background(), Color::white());
    }
}

void DialogScreen::drawForeground(Graphics* graphics) {
    if (!dialog_) {
        return;
    }
    dialog_->drawSpeaker(graphics, font());
    if (dialog_->isWaitingForClick()) {
        dialog_->drawWaitingForClick(graphics);
    }
}

void DialogScreen::onLeft(int result) {
    // Leaving the stack deletes this screen: everything needed is copied first.
    StateStack* stack = gameApp();
    DialogScreenListener* listener = leaveListener_;
    const int id = leaveId_;
    const DialogRequest request = request_;
    if (request.noPushOnLeave) {
        stack->popState();
    }
    if (listener) {
        listener->dialogScreenLeft(id);
    }
    if (!request.noPushOnLeave) {
        GameFlow& flow = GameFlow::instance();
        flow.handOver(stack, flow.afterDialogue(request.fileName, result));
    }
}
