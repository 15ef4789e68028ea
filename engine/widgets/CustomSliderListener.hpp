#pragma once

// Told by a slider each time the player moves its knob (value 0 ... 1).
// Changes made by the program through setValue are not reported.
class CustomSliderListener {
public:
    virtual ~CustomSliderListener() = default;
    virtual void onSliderChanged(int id, float value) = 0;
};
