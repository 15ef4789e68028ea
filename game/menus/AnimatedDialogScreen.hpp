#pragma once

#include <memory>
#include <string>
#include <vector>

#include "engine/animation/AnimationPlayerListener.hpp"
#include "engine/screens/ScreenBase.hpp"

class AnimationPlayer;

// A screen that is one dialog over the screen below it: it dims what lies
// under it, plays its opening animation centred on the configured screen,
// then creates its controls; closing takes the controls away, plays the
// closing animation and then leaves with the closing result. An animation
// that cannot be read is skipped, so the dialog still opens and closes.
class AnimatedDialogScreen : public ScreenBase, public AnimationPlayerListener {
public:
    static constexpr int OpeningAnimationId = 790790;
    static constexpr int ClosingAnimationId = 790791;

    enum State { Opening, Open, Closing, Closed };

    ~AnimatedDialogScreen() override;

    void animationFinished(int id) override;

    int getState() const { return state_; }
    // The dialog frame's top-left corner on the canvas.
    int dialogX() const { return x_; }
    int dialogY() const { return y_; }

protected:
    // The animation files and the size of the dialog frame they show.
    AnimatedDialogScreen(const std::string& name, const std::string& opening, const std::string& closing, int width,
                         int height);

    void build() override {}
    void onEnter() override;
    void drawBackground(Graphics* graphics) override;

    // Called once the opening animation has ended.
    virtual void createContent() = 0;
    // Starts closing; the screen leaves with result once the closing animation has ended.
    void closeDialog(int result);
    // Adds a control that belongs to the open dialog (taken away on closing);
    // x and y are relative to the dialog frame.
    template <typename W>
    W* addControl(W* widget, int x, int y) {
        placeControl(widget, x, y);
        return widget;
    }

private:
    void placeControl(Widget* widget, int x, int y);
    // False when the file gives nothing to play.
    bool play(int id, const std::string& path);
    void opened();
    void closed();

    std::string opening_;
    std::string closing_;
    int width_;
    int height_;
    int x_ = 0;
    int y_ = 0;
    int state_ = Opening;
    int result_ = 0;
    std::unique_ptr<AnimationPlayer> player_;
    std::vector<Widget*> controls_;
};
