#include "engine/dialogs/AnimatedDialog.hpp"

#include <algorithm>
#include <cstdint>
#include <cstdio>

#include "engine/core/Log.hpp"
#include "engine/animation/Animation2D.hpp"
#include "engine/animation/AnimationPlayer.hpp"
#include "engine/render/Graphics.hpp"
#include "engine/render/IntRect.hpp"
#include "engine/screens/ScreenBase.hpp"
#include "engine/text/Font.hpp"
#include "engine/widgets/InterfaceSound.hpp"
#include "engine/widgets/WidgetManager.hpp"

namespace {

// An animation whose objects lack key frames never reports its end; after
// this much time past its length the dialog goes on without the report.
constexpr int kOverdueMilliseconds = 1000;

}  // namespace

AnimatedDialog::AnimatedDialog(const MessageDialogDescription& description, int dialogId, int dimWidth,
                               int dimHeight)
    : description_(description), dimWidth_(dimWidth), dimHeight_(dimHeight), dialogId_(dialogId) {
    if (!description_.openingAnimation.empty() || !description_.closingAnimation.empty()) {
        player_ = std::make_unique<AnimationPlayer>(this, description_.textures);
    }
    setGeometry(0, 0, dimWidth, dimHeight);
}

AnimatedDialog::~AnimatedDialog() = default;

void AnimatedDialog::onAttached() {
    screen_ = getManager()->getOwner();
    if (player_) {
        player_->setListener(this);
    }
    getManager()->setFocus(this);
    if (state_ != Waiting) {
        return;
    }
    InterfaceSound::play("DIALOG_OPENED");
    state_ = Opening;
    if (!startAnimation(OpeningAnimationId, description_.openingAnimation)) {
        show();
    }
}

void AnimatedDialog::onDetached() {
    if (player_) {
        player_->setListener(nullptr);
    }
}

bool AnimatedDialog::startAnimation(int id, const std::string& path) {
    if (!player_ || path.empty()) {
        return false;
    }
    Animation2D* animation = player_->loadAnimation(path, id);
    if (animation->getElements().empty() || animation->getLength() <= 0) {
        logWarning("dialog animation %s: nothing to play; the dialog goes on without it", path.c_str());
        return false;
    }
    player_->playAnimation(id, 0, description_.x, description_.y);
    frame_ = animation;
    elapsed_ = 0;
    return true;
}

void AnimatedDialog::show() {
    state_ = Shown;
    buildContent();
}

void AnimatedDialog::animationFinished(int id) {
    if (id == OpeningAnimationId && state_ == Opening) {
        show();
    } else if (id == ClosingAnimationId && state_ == Closing) {
        finish();
    }
}

bool AnimatedDialog::close() {
    if (state_ == Closing || state_ == Finished) {
        return player_ != nullptr;
    }
    removeContent();
    state_ = Closing;
    if (player_) {
        player_->stopAnimation(OpeningAnimationId);
    }
    frame_ = nullptr;
    if (!player_) {
        finish();
        return false;
    }
    if (!startAnimation(ClosingAnimationId, description_.closingAnimation)) {
        finish();
    }
    return true;
}

void AnimatedDialog::dismiss() {
    choose(-1);
}

void AnimatedDialog::choose(int answer) {
    if (state_ == Closing || state_ == Finished) {
        return;
    }
    InterfaceSound::play("DIALOG_CLOSED");
    answer_ = answer;
    close();
}

void AnimatedDialog::finish() {
    state_ = Finished;
    frame_ = nullptr;
    if (screen_ != nullptr) {
        screen_->safeRemoveWidget(this);
    }
    reportAnswer(dialogId_, answer_);
}

void AnimatedDialog::update(int milliseconds, ScreenBase* screen) {
    if (frame_ == nullptr || (state_ != Opening && state_ != Closing)) {
        return;
    }
    elapsed_ += milliseconds;
    Animation2D* playing = frame_;
    playing->update(milliseconds, screen);
    if (frame_ == playing && elapsed_ > playing->getLength() + kOverdueMilliseconds) {
        animationFinished(playing->getId());
    }
}

float AnimatedDialog::presence() const {
    if (frame_ == nullptr || frame_->getLength() <= 0) {
        return state_ == Closing || state_ == Finished ? 0.0f : 1.0f;
    }
    const float t = std::min(1.0f, static_cast<float>(elapsed_) / static_cast<float>(frame_->getLength()));
    switch (state_) {
        case Opening:
            return t;
        case Closing:
            return 1.0f - t;
        default:
            return 1.0f;
    }
}

void AnimatedDialog::draw(Graphics* graphics, ScreenBase* /*screen*/) {
    Color dim = description_.dimColor;
    dim.a = static_cast<std::uint8_t>(static_cast<float>(dim.a) * presence());
    graphics->fillRect(0, 0, dimWidth_, dimHeight_, dim);
    getManager()->requestOverlay(this, OverlayOrder);
}

void AnimatedDialog::drawOverlay(Graphics* graphics, ScreenBase* screen) {
    graphics->pushMatrix();
    graphics->translate(static_cast<float>(description_.x), static_cast<float>(description_.y));
    if (frame_ != nullptr) {
        frame_->draw(graphics, screen);
    } else if (state_ == Shown) {
        drawFallbackFrame(graphics);
    }
    if (state_ == Shown) {
        drawTexts(graphics);
    }
    graphics->popMatrix();
    if (state_ == Shown) {
        drawContent(graphics, screen);
    }
}

void AnimatedDialog::drawFallbackFrame(Graphics* graphics) const {
    const int w = description_.width;
    const int h = description_.height;
    graphics->fillRect(6, 8, w, h, Color(20, 10, 4, 110));
    graphics->fillRect(0, 0, w, h, Color(176, 128, 58));
    graphics->fillRect(8, 8, w - 16, h - 16, Color(96, 58, 26));
    graphics->fillRect(14, 14, w - 28, h - 28, Color(238, 222, 186));
}

void AnimatedDialog::drawTexts(Graphics* graphics) const {
    const MessageDialogDescription& d = description_;
    if (d.captionFont != nullptr) {
        d.captionFont->drawTextInBox(graphics, IntRect(d.captionX, d.captionY, d.captionWidth,
                                                       d.captionFont->getLineHeight()),
                                     d.caption, d.captionColor, Font::kAlignCenter, Font::kAlignTop, false);
    }
    if (d.messageFont != nullptr) {
        d.messageFont->drawTextInBox(graphics, IntRect(d.messageX, d.messageY, d.messageWidth, d.messageHeight),
                                     d.message, d.messageColor, Font::kAlignCenter, Font::kAlignMiddle, true);
    }
}

void AnimatedDialog::onKeyEvent(const KeyEvent& event) {
    if (event.action == KeyEvent::Press && event.key == KeyEvent::EscapeKey && state_ == Shown) {
        dismiss();
    }
}
