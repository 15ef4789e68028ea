#pragma once

#include <string>

// What a key frame sets. Only image key frames are read from files; the
// other kinds exist for key frames that trigger a nested animation, a music
// or a sound effect.
class KeyFrameProperties {
public:
    virtual ~KeyFrameProperties() = default;
    virtual KeyFrameProperties* clone() const = 0;
};

// Position of the image's top-left corner, depth, scale in percent, angle in
// degrees (already negated for the renderer) and colour modulation.
class KeyFramePropertiesImage : public KeyFrameProperties {
public:
    KeyFramePropertiesImage* clone() const override { return new KeyFramePropertiesImage(*this); }

    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
    float scaleX = 100.0f;
    float scaleY = 100.0f;
    float angle = 0.0f;
    int red = 255;
    int green = 255;
    int blue = 255;
    int alpha = 255;
    std::string imageName = "still not loaded";
};

class KeyFramePropertiesAnim : public KeyFrameProperties {
public:
    KeyFramePropertiesAnim* clone() const override { return new KeyFramePropertiesAnim(*this); }
    std::string animationFile;
};

class KeyFramePropertiesMusic : public KeyFrameProperties {
public:
    KeyFramePropertiesMusic* clone() const override { return new KeyFramePropertiesMusic(*this); }
    std::string musicName;
};

class KeyFramePropertiesSoundEffect : public KeyFrameProperties {
public:
    KeyFramePropertiesSoundEffect* clone() const override { return new KeyFramePropertiesSoundEffect(*this); }
    std::string soundName;
};
