#include "engine/widgets/Widget.hpp"

bool Widget::hitTest(int x, int y) const {
    return x >= bounds_.x && x < bounds_.x + bounds_.width && y >= bounds_.y && y < bounds_.y + bounds_.height;
}

void Widget::setBounds(const WidgetBounds& bounds) {
    const WidgetBounds old = bounds_;
    bounds_ = bounds;
    onBoundsChanged(old, bounds_);
}

void Widget::setGeometry(int x, int y, int width, int height) {
    const WidgetBounds old = bounds_;
    bounds_ = WidgetBounds(x, y, old.z, width, height);
    onResized(old, bounds_);
    onBoundsChanged(old, bounds_);
}

void Widget::setPosition(int x, int y) {
    const WidgetBounds old = bounds_;
    bounds_.x = x;
    bounds_.y = y;
    onMoved(old, bounds_);
    onBoundsChanged(old, bounds_);
}
