#pragma once

#include "engine/dialogs/MessageDialog.hpp"

class NewMessageQuestionDialogListener;

// A yes/no question: two buttons, the answer (0 or 1, -1 when dismissed)
// reported to the listener after the closing animation. The listener is not
// owned and may be null.
class MessageQuestionDialog : public MessageDialog {
public:
    MessageQuestionDialog(const MessageDialogDescription& description, NewMessageQuestionDialogListener* listener,
                          int dialogId);

protected:
    void reportAnswer(int dialogId, int answer) override;

private:
    NewMessageQuestionDialogListener* listener_;
};
