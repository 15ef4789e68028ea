#pragma once

#include "game/story/dialogue/Dialog.hpp"
#include "game/story/dialogue/DialogListener.hpp"

// A dialogue that tells its listener, with the id it was given, when it is over.
class MyDialog : public Dialog {
public:
    MyDialog(const std::string& path, TextureFactory& textures, DialogListener* listener, int dialogId)
        : Dialog(path, textures), listener_(listener), dialogId_(dialogId) {}

protected:
    void dialogueFinished() override {
        if (listener_) {
            listener_->dialogFinished(dialogId_);
        }
    }

private:
    DialogListener* listener_;
    int dialogId_;
};
