#pragma once

#include "engine/dialogs/AnimatedDialog.hpp"
#include "engine/widgets/SimpleButtonListener.hpp"

class MessageDialogSimpleListener;
class SimpleImageButton;

// An information box with one button (answer 0; -1 when dismissed with
// Escape), reported to the listener after the closing animation. Its backdrop
// covers the configured screen size; its button is drawn by the dialog in the
// overlay pass, with the caption text over the button picture. The listener is
// not owned and may be null.
class MessageDialogSimple : public AnimatedDialog, public SimpleButtonListener {
public:
    MessageDialogSimple(const MessageDialogDescription& description, MessageDialogSimpleListener* listener,
                        int dialogId);

    void buildContent() override;
    void onSimpleButton(int id, int code) override;
    // Return presses the button.
    void onKeyEvent(const KeyEvent& event) override;

    SimpleImageButton* getButton() const { return button_; }

protected:
    void removeContent() override;
    void reportAnswer(int dialogId, int answer) override;
    void drawContent(Graphics* graphics, ScreenBase* screen) override;

private:
    MessageDialogSimpleListener* listener_;
    SimpleImageButton* button_ = nullptr;
};
