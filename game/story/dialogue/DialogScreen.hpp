#pragma once

#include <memory>
#include <string>

#include "engine/animation/AnimationPlayerListener.hpp"
#include "engine/screens/ScreenBase.hpp"
#include "engine/widgets/TarvikButtonListener.hpp"
#include "game/story/dialogue/DialogListener.hpp"
#include "game/story/flow/DialogRequest.hpp"

class AnimationPlayer;
class DialogScreenListener;
class Font;
class MyDialog;
class TarvikButton;
class TextureFactory;

// Plays one story dialogue file (or, with justPlayAnimation, one key-frame
// animation file: the intro and outro cut-scenes) over its background with
// its music. It ends when the dialogue or the animation is over, on a click
// in animation mode, on the skip button or on Escape; then the story chain
// decides what follows, unless noPushOnLeave asks it to just uncover the
// screen below.
class DialogScreen : public ScreenBase,
                     public DialogListener,
                     public AnimationPlayerListener,
                     public TarvikButtonListener {
public:
    static constexpr int SkipButtonId = 0;
    static constexpr int FadeMilliseconds = 500;
    // The single animation of the animation mode plays under this id.
    static constexpr int AnimationId = 0;

    // Without a factory the pictures come from the menus' services (the application's).
    explicit DialogScreen(const DialogRequest& request, TextureFactory* textures = nullptr);
    ~DialogScreen() override;

    // Told, with id, when the screen has left the stack.
    void setLeaveListener(DialogScreenListener* listener, int id);

    void dialogFinished(int dialogId) override;
    void animationFinished(int id) override;
    void onTarvikButton(int id, int code) override;
    void onKeyEvent(const KeyEvent& event) override;
    // A release anywhere, over the characters' pictures too, is a click.
    void onMouseEvent(const MouseEvent& event) override;

    const DialogRequest& request() const { return request_; }
    const MyDialog* dialog() const { return dialog_; }
    AnimationPlayer& player() const { return *player_; }
    const TarvikButton* skipButton() const { return skip_; }
    // The font the speakers' words and names are written in.
    static Font* font();
    static constexpr const char* FontFile = "content/fonts/Aldine18.fnt";

protected:
    void build() override {}
    void onEnter() override;
    void onEntered() override;
    void drawBackground(Graphics* graphics) override;
    void drawForeground(Graphics* graphics) override;
    void onLeft(int result) override;

private:
    // Ends the screen once, with result 0.
    void finish();

    DialogRequest request_;
    TextureFactory& textures_;
    std::unique_ptr<AnimationPlayer> player_;
    MyDialog* dialog_ = nullptr;
    TarvikButton* skip_ = nullptr;
    DialogScreenListener* leaveListener_ = nullptr;
    int leaveId_ = 0;
};
