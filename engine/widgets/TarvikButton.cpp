#include "engine/widgets/TarvikButton.hpp"

#include <utility>

#include "engine/actions/TinyRelIncrementator.hpp"
#include "engine/render/Graphics.hpp"
#include "engine/render/IntRect.hpp"
#include "engine/render/Texture.hpp"
#include "engine/text/Font.hpp"
#include "engine/widgets/ButtonTooltip.hpp"
#include "engine/widgets/InterfaceSound.hpp"
#include "engine/widgets/TarvikButtonListener.hpp"
#include "engine/widgets/TextureHit.hpp"
#include "engine/widgets/WidgetManager.hpp"

TarvikButton::TarvikButton(TarvikButtonListener* listener, int id, const TarvikButtonStyle& style,
                           const std::string& tooltip)
    : style_(style), tooltipText_(tooltip), listener_(listener), id_(id) {
    if (const Texture* image = style_.appearances[TarvikButtonStyle::Normal].image) {
        setGeometry(0, 0, image->getWidth(), image->getHeight());
    }
}

TarvikButton::~TarvikButton() = default;

void TarvikButton::update(int milliseconds, ScreenBase* /*screen*/) {
    if (change_ && change_->isRunning()) {
        change_->update(milliseconds);
    }
    if (tooltip_) {
        tooltip_->update(milliseconds);
    }
}

void TarvikButton::draw(Graphics* graphics, ScreenBase* /*screen*/) {
    WidgetManager* manager = getManager();
    if (overlayOrder_ >= 1) {
        if (manager != nullptr) {
            manager->requestOverlay(this, overlayOrder_);
        }
        return;
    }
    paint(graphics);
    if (tooltip_ && tooltip_->isShown() && manager != nullptr) {
        manager->requestOverlay(this, TooltipOrder);
    }
}

void TarvikButton::drawOverlay(Graphics* graphics, ScreenBase* /*screen*/) {
    if (overlayOrder_ >= 1) {
        paint(graphics);
    }
    if (tooltip_) {
        tooltip_->draw(graphics, getWidth(), getHeight());
    }
}

bool TarvikButton::hitTest(int x, int y) const {
    if (!Widget::hitTest(x, y)) {
        return false;
    }
    return style_.hitMask == nullptr || TextureHit::opaque(style_.hitMask, x - getX(), y - getY());
}

void TarvikButton::onMousePress(const MouseEvent& /*event*/) {
    pressed_ = true;
    refresh();
    if (listener_ != nullptr && pointerOver_ && active_) {
        InterfaceSound::play(pressSound_);
        notify(0);
    }
}

void TarvikButton::onMouseRelease(const MouseEvent& /*event*/) {
    const bool wasPressed = pressed_;
    pressed_ = false;
    refresh();
    if (wasPressed && pointerOver_ && active_) {
        notify(1);
    }
}

void TarvikButton::onMouseEnter() {
    pointerOver_ = true;
    refresh();
    if (!tooltipText_.empty()) {
        Font* font = style_.tooltipFont != nullptr ? style_.tooltipFont
                                                   : style_.appearances[TarvikButtonStyle::Normal].font;
        tooltip_ = std::make_unique<ButtonTooltip>(tooltipText_, font);
    }
    InterfaceSound::play(overSound_);
    notify(2);
}

void TarvikButton::onMouseLeave() {
    pointerOver_ = false;
    refresh();
    tooltip_.reset();
    notify(3);
}

void TarvikButton::activate() {
    active_ = true;
    refresh();
}

void TarvikButton::deactivate() {
    pressed_ = false;
    pointerOver_ = false;
    active_ = false;
    refresh();
}

void TarvikButton::actionFinished(int /*tag*/) {
    previous_ = current_;
    progress_ = 1.0f;
}

TarvikButtonAppearance TarvikButton::currentLook() const {
    if (previous_ == current_) {
        return style_.appearances[current_];
    }
    return TarvikButtonAppearance::blend(style_.appearances[previous_], style_.appearances[current_], progress_);
}

void TarvikButton::refresh() {
    int wanted = TarvikButtonStyle::Normal;
    if (!active_) {
        wanted = TarvikButtonStyle::Inactive;
    } else if (pressed_ && pointerOver_) {
        wanted = TarvikButtonStyle::Pressed;
    } else if (pointerOver_) {
        wanted = TarvikButtonStyle::Over;
    }
    if (wanted == current_) {
        return;
    }
    const bool changing = change_ && change_->isRunning();
    if (changing && wanted == previous_) {
        // Turning back halfway (the pointer brushed past): run the change
        // backwards from where it is instead of jumping.
        std::swap(previous_, current_);
        progress_ = 1.0f - progress_;
    } else {
        previous_ = current_;
        current_ = wanted;
        progress_ = 0.0f;
    }
    const int remaining = static_cast<int>(static_cast<float>(style_.changeDuration) * (1.0f - progress_));
    if (remaining <= 0 || style_.appearances[previous_] == style_.appearances[current_]) {
        change_.reset();
        actionFinished(0);
        return;
    }
    change_ = std::make_unique<TinyRelIncrementator<float>>(remaining, &progress_, 1.0f - progress_);
    change_->start(this, 0);
}

void TarvikButton::notify(int code) {
    if (listener_ != nullptr) {
        listener_->onTarvikButton(id_, code);
    }
}

void TarvikButton::paint(Graphics* graphics) {
    const TarvikButtonAppearance& from = style_.appearances[previous_];
    const TarvikButtonAppearance& to = style_.appearances[current_];
    const TarvikButtonAppearance look = currentLook();
    if (style_.kind == TarvikButtonStyle::Crossfade && previous_ != current_ && from.image != to.image) {
        paintImage(graphics, look, from.image, 1.0f);
        paintImage(graphics, look, to.image, progress_);
    } else {
        paintImage(graphics, look, look.image, 1.0f);
    }
    if (look.font != nullptr && !style_.caption.empty()) {
        look.font->drawTextInBox(graphics, IntRect(look.textX, look.textY, getWidth(), getHeight()), style_.caption,
                                 look.textColor, Font::kAlignCenter, Font::kAlignMiddle, false);
    }
}

void TarvikButton::paintImage(Graphics* graphics, const TarvikButtonAppearance& look, Texture* image, float fade) {
    if (image == nullptr || fade <= 0.0f) {
        return;
    }
    Color color = look.color;
    color.a = static_cast<std::uint8_t>(static_cast<float>(color.a) * fade);
    graphics->pushMatrix();
    graphics->translate(static_cast<float>(getWidth()) / 2.0f + static_cast<float>(look.imageX),
                        static_cast<float>(getHeight()) / 2.0f + static_cast<float>(look.imageY));
    graphics->scale(look.scale, look.scale);
    graphics->translate(-static_cast<float>(image->getWidth()) / 2.0f, -static_cast<float>(image->getHeight()) / 2.0f);
    graphics->drawImage(0, 0, image, color);
    graphics->popMatrix();
}
