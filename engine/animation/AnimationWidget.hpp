#pragma once

#include <memory>
#include <string>

#include "engine/animation/AnimationPlayerListener.hpp"
#include "engine/widgets/Widget.hpp"

class Animation2D;
class AnimationPlayer;
class Texture;
class TextureFactory;

// A widget that plays one animation at its own position: either a key-frame
// animation file, read by an AnimationPlayer of its own (so the widget owns
// the animation and its textures), or the frames of a picture sheet stretched
// over the widget. When a one-shot animation ends the listener hears the
// widget's id and the widget draws nothing more; a looping one never ends.
class AnimationWidget : public Widget, public AnimationPlayerListener {
public:
    // A sheet of columns x rows cells read row by row; the texture is not owned.
    struct Sheet {
        Texture* texture = nullptr;
        int columns = 1;
        int rows = 1;
        int frames = 1;
        int frameDuration = 100;
    };

    // The widget takes the animation's screen size. Without a factory the
    // textures are OpenGL textures.
    AnimationWidget(const std::string& path, int id, AnimationListener* listener = nullptr,
                    TextureFactory* textures = nullptr);
    AnimationWidget(const Sheet& sheet, bool loop, int id, AnimationListener* listener = nullptr);
    ~AnimationWidget() override;

    // Starts from the beginning.
    void play();
    void stop();
    bool isPlaying() const { return playing_; }
    bool isFinished() const { return finished_; }

    void update(int milliseconds, ScreenBase* screen) override;
    void draw(Graphics* graphics, ScreenBase* screen) override;
    void animationFinished(int id) override;

    int getId() const { return id_; }
    // The key-frame animation, null for a sheet.
    Animation2D* getAnimation() const { return animation_; }
    // The sheet's current frame.
    int getFrame() const { return frame_; }

private:
    void end();

    int id_;
    AnimationListener* listener_;
    std::unique_ptr<AnimationPlayer> player_;
    Animation2D* animation_ = nullptr;
    Sheet sheet_;
    bool loop_ = false;
    int frame_ = 0;
    int elapsed_ = 0;
    bool playing_ = false;
    bool finished_ = false;
};
