#pragma once

#include "engine/widgets/Widget.hpp"

class CheckBoxListener;
class Sound;
class Texture;

// A box that a press toggles: "CHECKBOX_CHECK" or "CHECKBOX_UNCHECK" is played
// (or the fallback sound while the catalogue is off) and the listener is told
// the new state. It draws the box picture and, when checked, the check mark at
// its own position. Pictures, listener and fallback sound are not owned.
class CheckBoxWidget : public Widget {
public:
    CheckBoxWidget(CheckBoxListener* listener, int id, Texture* box, Texture* checkMark, int markX = 0,
                   int markY = 0);

    void draw(Graphics* graphics, ScreenBase* screen) override;
    void onMousePress(const MouseEvent& event) override;

    // Changes the state without a sound or a notification.
    void setChecked(bool checked) { checked_ = checked; }
    bool isChecked() const { return checked_; }
    void setFallbackSound(Sound* sound) { fallbackSound_ = sound; }
    int getId() const { return id_; }

protected:
    // Whether a press at the widget-relative point toggles the box.
    virtual bool acceptsPressAt(int /*x*/, int /*y*/) const { return true; }

    Texture* box_;

private:
    CheckBoxListener* listener_;
    int id_;
    Texture* checkMark_;
    bool checked_ = false;
    Sound* fallbackSound_ = nullptr;
    int markX_;
    int markY_;
};
