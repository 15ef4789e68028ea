#pragma once

#include <memory>

#include "engine/animation/KeyFrameProperties.hpp"
#include "engine/animation/MathFunction.hpp"

// One key frame of an animated object: its time within the pass, what it
// sets (nothing for key frames of other types than images) and a copy of its
// interpolator (none for an unregistered interpolator id; playback is
// linear either way).
class KeyFrame {
public:
    KeyFrame(int timeStamp, KeyFrameProperties* properties, MathFunction* interpolator)
        : timeStamp(timeStamp), properties(properties), interpolator(interpolator) {}

    // The image properties, or null for other kinds of key frame.
    const KeyFramePropertiesImage* image() const {
        return dynamic_cast<const KeyFramePropertiesImage*>(properties.get());
    }

    int timeStamp;
    std::unique_ptr<KeyFrameProperties> properties;
    std::unique_ptr<MathFunction> interpolator;
};
