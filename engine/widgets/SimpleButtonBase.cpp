#include "engine/widgets/SimpleButtonBase.hpp"

#include "engine/widgets/InterfaceSound.hpp"
#include "engine/widgets/SimpleButtonListener.hpp"

void SimpleButtonBase::notify(int code) {
    if (listener_ != nullptr) {
        listener_->onSimpleButton(id_, code);
    }
}

void SimpleButtonBase::playPressSound() {
    InterfaceSound::play("BUTTON_PRESS", fallbackSound_);
}

void SimpleButtonBase::playOverSound() {
    InterfaceSound::play("BUTTON_OVER", fallbackSound_);
}
