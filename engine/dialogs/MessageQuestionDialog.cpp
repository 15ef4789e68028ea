#include "engine/dialogs/MessageQuestionDialog.hpp"

#include "engine/dialogs/NewMessageQuestionDialogListener.hpp"

MessageQuestionDialog::MessageQuestionDialog(const MessageDialogDescription& description,
                                             NewMessageQuestionDialogListener* listener, int dialogId)
    : MessageDialog(description, dialogId), listener_(listener) {}

void MessageQuestionDialog::reportAnswer(int dialogId, int answer) {
    if (listener_ != nullptr) {
        listener_->onDialogAnswer(dialogId, answer);
    }
}
