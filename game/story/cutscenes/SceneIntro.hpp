#pragma once

#include <memory>
#include <string>

#include "engine/actions/ActionListener.hpp"
#include "engine/animation/AnimationPlayerListener.hpp"
#include "engine/screens/ScreenBase.hpp"

class AnimationPlayer;
class SceneIntroListener;
class TextureFactory;
class TinyActionSequence;

// The caption over a scene as it opens: the scene dims a little, its name
// fades in over half a second, stays 0.7 s and fades out over half a second
// to the "SCENE_INTRO" sound; then the scene hears that its intro is over.
// The intro animation, when the content has one, plays meanwhile.
class SceneIntro : public ScreenBase, public AnimationPlayerListener, public kve::ActionListener {
public:
    static constexpr const char* AnimationFile = "content/animations/SceneIntro/SceneIntro.xml";
    static constexpr int CaptionTag = 1;
    static constexpr int FadeInMilliseconds = 500;
    static constexpr int HoldMilliseconds = 700;
    static constexpr int FadeOutMilliseconds = 500;
    // The caption's line starts at this height.
    static constexpr int CaptionY = 345;

    // Without a factory the pictures come from the menus' services (the application's).
    SceneIntro(const std::string& caption, SceneIntroListener* listener, TextureFactory* textures = nullptr);
    ~SceneIntro() override;

    // The caption of a scene: its "SCENE_<id>" name up to the first "-".
    static std::string captionOf(int sceneId);

    void animationFinished(int id) override;
    void actionFinished(int tag) override;

    const std::string& caption() const { return caption_; }
    int captionAlpha() const { return captionAlpha_; }

protected:
    void build() override {}
    void onEnter() override;
    void onUpdate(int milliseconds) override;
    void drawBackground(Graphics* graphics) override;
    void drawForeground(Graphics* graphics) override;
    void onLeft(int result) override;

private:
    std::string caption_;
    SceneIntroListener* listener_;
    std::unique_ptr<AnimationPlayer> player_;
    int captionAlpha_ = 0;
    std::unique_ptr<TinyActionSequence> captionAction_;
};
