#pragma once

#include <memory>
#include <string>

#include "engine/animation/AnimationPlayerListener.hpp"
#include "engine/widgets/Widget.hpp"

class AnimationPlayer;
class Font;
class RewardWidget;
class TextureFactory;

// Told when a badge reward starts and when it has ended (then the owner
// removes the widget).
class RewardWidgetListener {
public:
    virtual ~RewardWidgetListener() = default;
    virtual void rewardStarted(RewardWidget* /*reward*/) {}
    virtual void rewardEnded(RewardWidget* reward) = 0;
};

// The badge won in a time challenge: the screen dims, the badge animation
// plays with its sound and the text stands below it. The screen takes no
// input until the animation ends. The font and listener are not owned.
class RewardWidget : public Widget, public AnimationPlayerListener {
public:
    enum Badge { Gold = 0, Silver = 1, Bronze = 2 };
    static constexpr int AnimationId = 10;

    // Without a factory the badge pictures are OpenGL textures.
    RewardWidget(RewardWidgetListener* listener, int badge, const std::string& text, Font* font,
                 TextureFactory* textures = nullptr);
    ~RewardWidget() override;

    // Call once the widget is in its screen's widget manager.
    void play();
    void update(int milliseconds, ScreenBase* screen) override;
    void draw(Graphics* graphics, ScreenBase* screen) override;
    void animationFinished(int id) override;

    bool isPlaying() const { return playing_; }
    static const char* animationFile(int badge);
    static const char* soundName(int badge);

private:
    RewardWidgetListener* listener_;
    int badge_;
    std::string text_;
    Font* font_;
    std::unique_ptr<AnimationPlayer> player_;
    bool playing_ = false;
};
