#pragma once

// Told by a MessageQuestionDialog once its closing animation has ended: the
// dialog id the listener's owner gave it and the answer (0 or 1, the id of the
// button chosen; -1 when the dialog was dismissed without a choice).
class NewMessageQuestionDialogListener {
public:
    virtual ~NewMessageQuestionDialogListener() = default;
    virtual void onDialogAnswer(int dialogId, int answer) = 0;
};
