#include "game/minigames/dials/DialWidget.hpp"

#include <cmath>

#include "engine/audio/catalogue/SfxContainer.hpp"
#include "engine/core/MouseEvent.hpp"
#include "engine/render/Graphics.hpp"
#include "engine/widgets/TarvikButtonListener.hpp"
#include "game/minigames/dials/DialRing.hpp"

namespace {

const char* const kRotated = "DIAL_ROTATED";
const char* const kPlaced = "DIAL_PLACED";

SfxContainer* effects() {
    SfxContainer& sfx = SfxContainer::instance();
    return sfx.isLoaded() && sfx.isEnabled() ? &sfx : nullptr;
}

}  // namespace

DialWidget::DialWidget(Texture* texture, DialRing& ring, int id, TarvikButtonListener* listener)
    : ClickableImageWidget(texture), ring_(ring), id_(id), listener_(listener) {}

float DialWidget::angleOf(const MouseEvent& event) const {
    return DialRing::pointerAngle(event.x, event.y, getX(), getY(), getWidth(), getHeight());
}

void DialWidget::pressed(const MouseEvent& event) {
    if (!ring_.isActive()) {
        return;
    }
    ring_.press(angleOf(event));
    if (listener_) {
        listener_->onTarvikButton(id_, 0);
    }
}

void DialWidget::dragged(const MouseEvent& event) {
    if (!ring_.isDragging()) {
        return;
    }
    const float step = ring_.drag(angleOf(event));
    // The grinding sound restarts each time it ends while the ring keeps moving.
    if (SfxContainer* sfx = effects(); sfx && !sfx->isPlaying(kRotated)) {
        if (std::fabs(step) <= 0.001f) {
            sfx->stop(kRotated);
        } else {
            sfx->play(kRotated);
        }
    }
}

void DialWidget::released(const MouseEvent& /*event*/) {
    if (!ring_.isActive()) {
        return;
    }
    if (ring_.release()) {
        setEnabled(false);
        if (SfxContainer* sfx = effects()) {
            if (sfx->isPlaying(kRotated)) {
                sfx->stop(kRotated);
            }
            sfx->play(kPlaced);
        }
    }
    if (listener_) {
        listener_->onTarvikButton(id_, 1);
    }
}

void DialWidget::draw(Graphics* graphics, ScreenBase* /*screen*/) {
    const float halfW = static_cast<float>(getWidth() / 2);
    const float halfH = static_cast<float>(getHeight() / 2);
    graphics->pushMatrix();
    graphics->translate(halfW, halfH);
    graphics->rotate(ring_.getRotation(), 0.0f, 0.0f, 1.0f);
    graphics->translate(-halfW, -halfH);
    graphics->drawImage(0, 0, getImage(), ring_.isActive() ? Color(200, 200, 200, 255) : Color::white());
    graphics->popMatrix();
}
