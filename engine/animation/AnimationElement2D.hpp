#pragma once

#include <map>
#include <memory>
#include <string>

#include "engine/animation/KeyFrame.hpp"

class Animation2D;
class Graphics;
class Texture;
class TinyAction;

// One image object of a key-frame animation: its key frames by time stamp,
// the texture it shares through the player's resource manager, and the
// properties its timeline writes every frame. It is drawn turned and scaled
// about the image's centre.
class AnimationElement2D {
public:
    struct Properties {
        float x = 0.0f;
        float y = 0.0f;
        float z = 0.0f;
        float angle = 0.0f;
        float scaleX = 100.0f;
        float scaleY = 100.0f;
        float red = 255.0f;
        float green = 255.0f;
        float blue = 255.0f;
        float alpha = 255.0f;
    };

    AnimationElement2D(Animation2D* owner, int type, std::string file);

    // Takes ownership; false (and the key frame is deleted) when another key
    // frame already has its time stamp.
    bool addKeyFrame(std::unique_ptr<KeyFrame> keyFrame);
    // The key frame with the smallest time stamp greater than t, or null.
    const KeyFrame* nextKeyFrameAfter(int t) const;

    // Shares the texture (not owned) and takes the first key frame's properties.
    void setTexture(Texture* texture);
    // Back to the properties of the first image key frame at 0 ms or later.
    void reset();
    // The depth objects are sorted by: the first key frame's, truncated.
    int depth() const;
    void draw(Graphics* graphics) const;

    // The chain of Tiny actions that plays this object's key frames over one
    // pass of length milliseconds (forever when looping), or null without
    // key frames. The caller owns it.
    TinyAction* buildTimeline(int depthOffset, bool loop, int length);

    Animation2D* getOwner() const { return owner_; }
    int getType() const { return type_; }
    const std::string& getFile() const { return file_; }
    Texture* getTexture() const { return texture_; }
    const std::map<int, std::unique_ptr<KeyFrame>>& getKeyFrames() const { return keyFrames_; }
    Properties current;

private:
    TinyAction* settersFor(const KeyFramePropertiesImage& frame, int depthOffset);
    TinyAction* stepBetween(const KeyFramePropertiesImage& from, const KeyFramePropertiesImage& to, int duration);
    const KeyFramePropertiesImage* firstImageFrame() const;

    Animation2D* owner_;
    int type_;
    std::string file_;
    Texture* texture_ = nullptr;
    float pivotX_ = 0.0f;
    float pivotY_ = 0.0f;
    std::map<int, std::unique_ptr<KeyFrame>> keyFrames_;
    std::unique_ptr<KeyFramePropertiesImage> first_;
};
