#include "engine/dialogs/MessageDialogSimple.hpp"

#include "engine/config/Config.hpp"
#include "engine/render/Graphics.hpp"
#include "engine/render/IntRect.hpp"
#include "engine/screens/ScreenBase.hpp"
#include "engine/text/Font.hpp"
#include "engine/dialogs/MessageDialogSimpleListener.hpp"
#include "engine/widgets/SimpleImageButton.hpp"

MessageDialogSimple::MessageDialogSimple(const MessageDialogDescription& description,
                                         MessageDialogSimpleListener* listener, int dialogId)
    : AnimatedDialog(description, dialogId, Config::instance().getWidth(), Config::instance().getHeight()),
      listener_(listener) {}

void MessageDialogSimple::buildContent() {
    ScreenBase* screen = getScreen();
    if (screen == nullptr || button_ != nullptr) {
        return;
    }
    const MessageDialogDescription& d = getDescription();
    ButtonImages images;
    images.normal = d.buttonImage;
    images.over = d.buttonOverImage;
    button_ = new SimpleImageButton(this, 0, images);
    const int w = button_->getWidth() > 0 ? button_->getWidth() : 220;
    const int h = button_->getHeight() > 0 ? button_->getHeight() : 60;
    button_->setGeometry(d.x + d.buttonX[0], d.y + d.buttonY[0], w, h);
    // Drawn by the dialog in the overlay pass, not among the ordinary widgets.
    button_->setVisible(false);
    screen->addWidget(button_);
}

void MessageDialogSimple::removeContent() {
    if (button_ != nullptr && getScreen() != nullptr) {
        getScreen()->safeRemoveWidget(button_);
    }
    button_ = nullptr;
}

void MessageDialogSimple::onSimpleButton(int id, int code) {
    if (code == 1) {
        choose(id);
    }
}

void MessageDialogSimple::onKeyEvent(const KeyEvent& event) {
    if (event.action == KeyEvent::Press && (event.key == KeyEvent::ReturnKey || event.key == KeyEvent::KeypadEnterKey) &&
        button_ != nullptr) {
        choose(0);
        return;
    }
    AnimatedDialog::onKeyEvent(event);
}

void MessageDialogSimple::reportAnswer(int dialogId, int answer) {
    if (listener_ != nullptr) {
        listener_->onDialogClosed(dialogId, answer);
    }
}

void MessageDialogSimple::drawContent(Graphics* graphics, ScreenBase* screen) {
    if (button_ == nullptr) {
        return;
    }
    const MessageDialogDescription& d = getDescription();
    graphics->pushMatrix();
    graphics->translate(static_cast<float>(button_->getX()), static_cast<float>(button_->getY()));
    button_->draw(graphics, screen);
    if (d.buttonFont != nullptr) {
        const bool lit = button_->isHighlighted();
        d.buttonFont->drawTextInBox(graphics, IntRect(0, 0, button_->getWidth(), button_->getHeight()),
                                    d.buttonTexts[0], lit ? Color(255, 246, 214) : Color(243, 226, 184),
                                    Font::kAlignCenter, Font::kAlignMiddle, false);
    }
    graphics->popMatrix();
}
