#pragma once

// Told by a TarvikButton what happened to it: code 0 pressed, 1 released over
// the button, 2 pointer entered, 3 pointer left. The id is the one the
// listener's owner gave the button.
class TarvikButtonListener {
public:
    virtual ~TarvikButtonListener() = default;
    virtual void onTarvikButton(int id, int code) = 0;
};
