#include "engine/widgets/CheckBoxWidget.hpp"

#include "engine/render/Graphics.hpp"
#include "engine/render/Texture.hpp"
#include "engine/widgets/CheckBoxListener.hpp"
#include "engine/widgets/InterfaceSound.hpp"

CheckBoxWidget::CheckBoxWidget(CheckBoxListener* listener, int id, Texture* box, Texture* checkMark, int markX,
                               int markY)
    : box_(box), listener_(listener), id_(id), checkMark_(checkMark), markX_(markX), markY_(markY) {
    if (box_ != nullptr) {
        setGeometry(0, 0, box_->getWidth(), box_->getHeight());
    }
}

void CheckBoxWidget::draw(Graphics* graphics, ScreenBase* /*screen*/) {
    if (box_ != nullptr) {
        graphics->drawImage(0, 0, box_, Color::white());
    }
    if (checked_ && checkMark_ != nullptr) {
        graphics->drawImage(markX_, markY_, checkMark_, Color::white());
    }
}

void CheckBoxWidget::onMousePress(const MouseEvent& event) {
    if (!acceptsPressAt(event.x - getX(), event.y - getY())) {
        return;
    }
    checked_ = !checked_;
    InterfaceSound::play(checked_ ? "CHECKBOX_CHECK" : "CHECKBOX_UNCHECK", fallbackSound_);
    if (listener_ != nullptr) {
        listener_->onCheckBoxChanged(id_, checked_);
    }
}
