#include "engine/widgets/ClickableImageWidget.hpp"

#include "engine/widgets/TextureHit.hpp"

ClickableImageWidget::ClickableImageWidget(Texture* texture, int x, int y) : ImageWidget(texture, x, y) {}

bool ClickableImageWidget::hitTest(int x, int y) const {
    if (!Widget::hitTest(x, y)) {
        return false;
    }
    return wholeRectangleHit_ || TextureHit::opaque(getImage(), x - getX(), y - getY());
}

void ClickableImageWidget::onMousePress(const MouseEvent& event) {
    held_ = true;
    pressed(event);
}

void ClickableImageWidget::onMouseMove(const MouseEvent& event) {
    if (held_) {
        dragged(event);
    }
}

void ClickableImageWidget::onMouseRelease(const MouseEvent& event) {
    if (held_) {
        held_ = false;
        released(event);
    }
}
