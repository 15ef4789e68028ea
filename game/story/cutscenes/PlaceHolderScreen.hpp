#pragma once

#include <functional>
#include <string>

#include "engine/screens/ScreenBase.hpp"

// A grey screen that stands in for content the game does not have yet: it
// names what would be shown (a caption and a detail line such as the file),
// asks for a click, and on the click (or Escape, which skips a real
// cut-scene) leaves the way the real screen would.
class PlaceHolderScreen : public ScreenBase {
public:
    static constexpr const char* Prompt = "Press mouse button to continue.";

    // What the leaving does once the screen is off the stack: hand over to a
    // following screen.
    using Leave = std::function<void(StateStack* stack)>;
    // The screen that follows, asked for only when the placeholder goes so
    // that it sees the game as it stands then; none falls back to the main menu.
    using Follower = std::function<ScreenBase*()>;

    PlaceHolderScreen(const std::string& name, const std::string& caption, const std::string& detail, Leave leave);
    // A leave that hands over to what the follower gives.
    static Leave handOverTo(Follower follower);

    const std::string& getCaption() const { return caption_; }
    const std::string& getDetail() const { return detail_; }
    void onMouseReleased(const MouseEvent& event) override;
    void onKeyEvent(const KeyEvent& event) override;

protected:
    void build() override {}
    void onEnter() override {}
    void drawBackground(Graphics* graphics) override;
    void onLeft(int result) override;

private:
    std::string caption_;
    std::string detail_;
    Leave leave_;
};
