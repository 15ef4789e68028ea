#include "engine/widgets/MouseListeningWidget.hpp"

#include "engine/core/MouseListener.hpp"

void MouseListeningWidget::onMousePress(const MouseEvent& event) {
    if (listener_ != nullptr) {
        listener_->onMousePressed(event);
    }
}

void MouseListeningWidget::onMouseMove(const MouseEvent& event) {
    if (listener_ != nullptr) {
        listener_->onMouseMoved(event);
    }
}

void MouseListeningWidget::onMouseRelease(const MouseEvent& event) {
    if (listener_ != nullptr) {
        listener_->onMouseReleased(event);
    }
}
