#pragma once

#include <vector>

#include "engine/render/IntRect.hpp"
#include "engine/widgets/Widget.hpp"

class CustomSliderListener;
class Texture;

// A horizontal slider: a knob moved along a track by dragging, its value 0 ... 1
// reported to the listener on every move of a drag (the widget manager keeps
// sending moves while the button is held, even off the slider). The knob's
// left edge sits at track width * value + knob x origin. Track and knob
// positions are relative to the widget; pictures are not owned, the frame
// animations (small decorations such as a glint on the knob) are.
class CustomSliderWidget : public Widget {
public:
    // A horizontal strip of frames played in a loop at a place on the slider.
    struct FrameAnimation {
        Texture* strip = nullptr;
        int frames = 1;
        int frameDuration = 100;
        int x = 0;
        int y = 0;
        int frame = 0;
        int elapsed = 0;
        bool paused = false;
    };

    CustomSliderWidget(CustomSliderListener* listener, int id, Texture* knob, Texture* knobOver,
                       const IntRect& track, int knobXOrigin, int knobY);

    void update(int milliseconds, ScreenBase* screen) override;
    void draw(Graphics* graphics, ScreenBase* screen) override;
    bool hitTest(int x, int y) const override;
    void onMousePress(const MouseEvent& event) override;
    void onMouseMove(const MouseEvent& event) override;
    void onMouseRelease(const MouseEvent& event) override;
    void onMouseEnter() override;
    void onMouseLeave() override;

    // Changes the value (clamped) without notifying the listener.
    void setValue(float value);
    float getValue() const { return value_; }
    // The picture under the knob, drawn at the track's top-left corner.
    void setTrackImage(Texture* track) { trackImage_ = track; }
    void addAnimation(const FrameAnimation& animation);
    std::vector<FrameAnimation>& animations() { return animations_; }
    bool isDragging() const { return dragging_; }
    Texture* getCurrentKnob() const { return currentKnob_; }
    // The knob's left edge relative to the widget.
    int knobLeft() const;

private:
    CustomSliderListener* listener_;
    int id_;
    Texture* currentKnob_;
    Texture* knob_;
    Texture* knobOver_;
    Texture* trackImage_ = nullptr;
    int knobXOrigin_;
    int knobY_;
    float value_ = 0.0f;
    IntRect track_;
    bool dragging_ = false;
    std::vector<FrameAnimation> animations_;
};
