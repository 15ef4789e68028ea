#pragma once

// Told by the simple buttons what happened to them: code 0 pressed, 1 clicked.
// The id is the one the listener's owner gave the button.
class SimpleButtonListener {
public:
    virtual ~SimpleButtonListener() = default;
    virtual void onSimpleButton(int id, int code) = 0;
};
