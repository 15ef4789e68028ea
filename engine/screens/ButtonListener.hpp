#pragma once

class ButtonListener {
public:
    virtual ~ButtonListener() = default;
    virtual void onButtonPressed(int buttonId, int argument) = 0;
    virtual void onButtonReleased(int buttonId, int argument) = 0;
};
