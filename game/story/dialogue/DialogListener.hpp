#pragma once

// Told when a dialogue has played its last step, with the id its owner gave it.
class DialogListener {
public:
    virtual ~DialogListener() = default;
    virtual void dialogFinished(int dialogId) = 0;
};
