#pragma once

#include <memory>

#include "engine/animation/AnimationPlayerListener.hpp"
#include "engine/dialogs/MessageDialogDescription.hpp"
#include "engine/widgets/Widget.hpp"

class Animation2D;
class AnimationPlayer;

// The life cycle the message dialogs share: added to a screen, the dialog
// dims the whole screen, plays its opening animation and then builds its
// buttons; a chosen button (or Escape, answer -1) plays the closing animation,
// after which the dialog takes itself off the screen (deferred removal, the
// screen deletes it) and only then reports the answer. Its contents are drawn
// in the widget manager's overlay pass, above every ordinary widget. It owns
// the player of its animations; one that cannot be read or has nothing to play
// is skipped, so the dialog still opens and closes.
class AnimatedDialog : public Widget, public AnimationPlayerListener {
public:
    static constexpr int OpeningAnimationId = 790790;
    static constexpr int ClosingAnimationId = 790791;
    static constexpr int OverlayOrder = 100;

    enum State { Waiting, Opening, Shown, Closing, Finished };

    ~AnimatedDialog() override;

    // Starts closing; false when the dialog has no animations at all, in
    // which case it is taken off the screen and reports at once.
    virtual bool close();
    // Creates the buttons once the opening animation has ended.
    virtual void buildContent() = 0;
    // Closes without a choice: the answer is -1.
    void dismiss();

    void onAttached() override;
    void onDetached() override;
    void update(int milliseconds, ScreenBase* screen) override;
    void draw(Graphics* graphics, ScreenBase* screen) override;
    void drawOverlay(Graphics* graphics, ScreenBase* screen) override;
    void onKeyEvent(const KeyEvent& event) override;
    void animationFinished(int id) override;

    int getDialogId() const { return dialogId_; }
    int getAnswer() const { return answer_; }
    int getState() const { return state_; }
    const MessageDialogDescription& getDescription() const { return description_; }
    AnimationPlayer* getAnimationPlayer() const { return player_.get(); }

protected:
    // The dim backdrop covers (0, 0, dimWidth, dimHeight).
    AnimatedDialog(const MessageDialogDescription& description, int dialogId, int dimWidth, int dimHeight);

    // Plays "DIALOG_CLOSED", keeps the answer and closes.
    void choose(int answer);
    // Takes the buttons off the screen (deferred, they may be in a callback).
    virtual void removeContent() = 0;
    virtual void reportAnswer(int dialogId, int answer) = 0;
    // Draws what the dialog draws above its frame and texts while shown.
    virtual void drawContent(Graphics* /*graphics*/, ScreenBase* /*screen*/) {}

    ScreenBase* getScreen() const { return screen_; }

private:
    // False when the file gives nothing to play.
    bool startAnimation(int id, const std::string& path);
    void show();
    void finish();
    void drawFallbackFrame(Graphics* graphics) const;
    void drawTexts(Graphics* graphics) const;
    // How far the dialog has come in (0 ... 1), for the backdrop's fade.
    float presence() const;

    MessageDialogDescription description_;
    std::unique_ptr<AnimationPlayer> player_;
    // The animation drawn as the dialog's frame: the opening one until the
    // dialog closes (it rests on its last key frame), then the closing one.
    Animation2D* frame_ = nullptr;
    int elapsed_ = 0;
    int dimWidth_;
    int dimHeight_;
    int dialogId_;
    int answer_ = -1;
    int state_ = Waiting;
    ScreenBase* screen_ = nullptr;
};
