#pragma once

// Told by a MessageDialogSimple once its closing animation has ended: the
// dialog id the listener's owner gave it and the answer (the id of the
// button chosen, -1 when the dialog was dismissed without a choice).
class MessageDialogSimpleListener {
public:
    virtual ~MessageDialogSimpleListener() = default;
    virtual void onDialogClosed(int dialogId, int answer) = 0;
};
