#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "engine/actions/ActionListener.hpp"
#include "engine/screens/ScreenBase.hpp"

class Texture;
class TinyActionSequence;

// The announcement of a location about to be played for the first time: the
// present map with the location's pin blinking, its description and picture,
// and a prompt; a click leads the story on (advancing the flow when asked).
class NewLocationScreen : public ScreenBase, public kve::ActionListener {
public:
    static constexpr int BlinkTag = 1;
    static constexpr int BlinkStepMilliseconds = 150;
    // The widest description shown in the large font.
    static constexpr int LargeTextWidth = 561;

    // musicId -1 keeps the music that plays.
    NewLocationScreen(const std::string& caption, int sceneId, int musicId, bool advance);
    ~NewLocationScreen() override;

    void actionFinished(int tag) override;
    void onMouseReleased(const MouseEvent& event) override;

    int sceneId() const { return sceneId_; }
    int locationNumber() const { return sceneId_ < 200 ? sceneId_ - 100 : sceneId_ - 200; }
    int pinAlpha() const { return pinAlpha_; }
    bool advances() const { return advance_; }
    // The pin of the location read from the map file, when the file has it.
    const std::pair<int, int>* pinPosition() const;

protected:
    void build() override;
    void onEnter() override;
    void onEntered() override;
    void onUpdate(int milliseconds) override;
    void drawBackground(Graphics* graphics) override;
    void drawForeground(Graphics* graphics) override;
    void onLeft(int result) override;

private:
    std::string caption_;
    int sceneId_;
    int musicId_;
    bool advance_;
    int pinAlpha_ = 255;
    std::unique_ptr<TinyActionSequence> blink_;
    std::vector<Texture*> pictures_;
    std::vector<std::pair<int, int>> pins_;
};
