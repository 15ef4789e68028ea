#include "game/menus/AnimatedDialogScreen.hpp"

#include <algorithm>

#include "engine/animation/Animation2D.hpp"
#include "engine/animation/AnimationPlayer.hpp"
#include "engine/core/Log.hpp"
#include "engine/render/Graphics.hpp"
#include "engine/widgets/InterfaceSound.hpp"
#include "engine/widgets/Widget.hpp"
#include "game/menus/MenuLook.hpp"
#include "game/menus/MenuServices.hpp"

namespace {

const Color kDim(10, 6, 14, 150);

}  // namespace

AnimatedDialogScreen::AnimatedDialogScreen(const std::string& name, const std::string& opening,
                                           const std::string& closing, int width, int height)
    : ScreenBase(name), opening_(opening), closing_(closing), width_(width), height_(height) {}

AnimatedDialogScreen::~AnimatedDialogScreen() = default;

void AnimatedDialogScreen::onEnter() {
    x_ = (MenuLook::screenWidth() - width_) / 2;
    y_ = (MenuLook::screenHeight() - height_) / 2;
    player_ = std::make_unique<AnimationPlayer>(this, &MenuServices::current().textures());
    InterfaceSound::play("DIALOG_OPENED");
    state_ = Opening;
    if (!play(OpeningAnimationId, opening_)) {
        opened();
    }
}

bool AnimatedDialogScreen::play(int id, const std::string& path) {
    Animation2D* animation = player_->loadAnimation(path, id);
    if (animation->getElements().empty() || animation->getLength() <= 0) {
        logWarning("%s: nothing to play; the dialog goes on without it", path.c_str());
        return false;
    }
    player_->playAnimation(id, 0, x_, y_, getWidgetManager());
    return true;
}

void AnimatedDialogScreen::animationFinished(int id) {
    if (id == OpeningAnimationId && state_ == Opening) {
        opened();
    } else if (id == ClosingAnimationId && state_ == Closing) {
        closed();
    }
}

void AnimatedDialogScreen::opened() {
    state_ = Open;
    createContent();
}

void AnimatedDialogScreen::closeDialog(int result) {
    if (state_ == Closing || state_ == Closed) {
        return;
    }
    state_ = Closing;
    result_ = result;
    for (Widget* control : controls_) {
        safeRemoveWidget(control);
    }
    controls_.clear();
    player_->removeAnimation(OpeningAnimationId);
    if (!play(ClosingAnimationId, closing_)) {
        closed();
    }
}

void AnimatedDialogScreen::closed() {
    state_ = Closed;
    startLeave(result_, true);
}

void AnimatedDialogScreen::placeControl(Widget* widget, int x, int y) {
    widget->setPosition(x_ + x, y_ + y);
    controls_.push_back(widget);
    addWidget(widget);
}

void AnimatedDialogScreen::drawBackground(Graphics* graphics) {
    // Over the letterbox bars too.
    const int barX = std::max(getOffsetX(), 0);
    const int barY = std::max(getOffsetY(), 0);
    graphics->fillRect(-getOffsetX(), -getOffsetY(), MenuLook::screenWidth() + 2 * barX,
                       MenuLook::screenHeight() + 2 * barY, kDim);
}
