#include "engine/dialogs/MessageDialog.hpp"

#include <algorithm>

#include "engine/render/Texture.hpp"
#include "engine/screens/ScreenBase.hpp"
#include "engine/widgets/TarvikButton.hpp"

namespace {

// The size of a button without a picture.
constexpr int kButtonWidth = 220;
constexpr int kButtonHeight = 60;

}  // namespace

MessageDialog::MessageDialog(const MessageDialogDescription& description, int dialogId)
    : AnimatedDialog(description, dialogId, 1280, 768) {}

void MessageDialog::buildContent() {
    ScreenBase* screen = getScreen();
    if (screen == nullptr || !buttons_.empty()) {
        return;
    }
    const MessageDialogDescription& d = getDescription();
    const int count = std::clamp(d.buttonCount, 0, static_cast<int>(d.buttonTexts.size()));
    for (int i = 0; i < count; ++i) {
        auto* button = new TarvikButton(
            this, i, TarvikButtonStyle::standard(d.buttonImage, d.buttonOverImage, d.buttonFont, d.buttonTexts[i]));
        const int w = d.buttonImage != nullptr ? d.buttonImage->getWidth() : kButtonWidth;
        const int h = d.buttonImage != nullptr ? d.buttonImage->getHeight() : kButtonHeight;
        button->setGeometry(d.x + d.buttonX[i], d.y + d.buttonY[i], w, h);
        button->setOverlayOrder(ButtonOverlayOrder);
        buttons_.push_back(button);
        screen->addWidget(button);
    }
}

void MessageDialog::removeContent() {
    if (ScreenBase* screen = getScreen()) {
        for (TarvikButton* button : buttons_) {
            screen->safeRemoveWidget(button);
        }
    }
    buttons_.clear();
}

void MessageDialog::onTarvikButton(int id, int code) {
    // The button itself plays "BUTTON_PRESS" and "BUTTON_OVER".
    if (code == 1) {
        choose(id);
    }
}
