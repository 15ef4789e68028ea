#pragma once

#include "engine/widgets/Widget.hpp"

class SimpleButtonListener;
class Sound;

// What the simple button kinds share: the listener and id, the pressed and
// pointer-over flags, and the interface sounds "BUTTON_PRESS" and
// "BUTTON_OVER" with the button's own fallback sound for when the catalogue is
// switched off. Neither listener nor fallback sound is owned.
class SimpleButtonBase : public Widget {
public:
    void setFallbackSound(Sound* sound) { fallbackSound_ = sound; }
    bool isPressed() const { return pressed_; }
    bool isPointerOver() const { return pointerOver_; }
    int getId() const { return id_; }

protected:
    SimpleButtonBase(SimpleButtonListener* listener, int id) : listener_(listener), id_(id) {}

    // Code 0 pressed, 1 clicked; silent without a listener.
    void notify(int code);
    void playPressSound();
    void playOverSound();

    bool pressed_ = false;
    bool pointerOver_ = false;

private:
    SimpleButtonListener* listener_;
    int id_;
    Sound* fallbackSound_ = nullptr;
};
