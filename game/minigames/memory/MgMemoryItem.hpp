#pragma once

#include <memory>

#include "engine/actions/ActionListener.hpp"
#include "engine/widgets/Widget.hpp"

namespace kve {
class Action;
}
class MgMemoryListener;
class Texture;

// One card of the memory game. Face down it shows its back; a click asks the
// game whether it may turn, then the flip strip plays frames 1 to 9 over
// 300 ms and the card lies open (the open frame under its face); closing
// plays the strip back; a matched card fades out over 200 ms and is gone.
class MgMemoryItem : public Widget, public kve::ActionListener {
public:
    enum State { FaceDown = 0, Opening = 1, FaceUp = 2, Closing = 3, Fading = 4, Gone = 5 };
    enum ActionId { OpenAction = 0, CloseAction = 1, FadeAction = 2 };
    struct Pictures {
        Texture* back = nullptr;     // the face-down card as drawn
        Texture* opened = nullptr;   // the frame under an open card's face
        Texture* strip = nullptr;    // the flip, 4 x 3 frames
    };
    static constexpr int TurnTime = 300;
    static constexpr int FadeTime = 200;
    static constexpr int StripX = -19;
    static constexpr int StripY = -18;

    MgMemoryItem(int index, int pairId, Texture* face, const Pictures& pictures, MgMemoryListener& listener);
    ~MgMemoryItem() override;

    void update(int milliseconds, ScreenBase* screen) override;
    void draw(Graphics* graphics, ScreenBase* screen) override;
    void onMousePress(const MouseEvent& event) override;
    void onMouseEnter() override { hover_ = true; }
    void onMouseLeave() override { hover_ = false; }
    void deactivate() override { hover_ = false; }
    void actionFinished(int tag) override;

    // Turns face down again after a miss.
    void close();
    // Fades out after a match.
    void fade();

    int getIndex() const { return index_; }
    int getPairId() const { return pairId_; }
    int getState() const { return state_; }
    int getFrame() const { return frame_; }
    int getAlpha() const { return alpha_; }
    bool isHovered() const { return hover_; }

private:
    int index_;
    int pairId_;
    Texture* face_;
    Pictures pictures_;
    MgMemoryListener& listener_;
    bool hover_ = false;
    int frame_ = 0;
    int alpha_ = 255;
    int state_ = FaceDown;
    std::unique_ptr<kve::Action> open_;
    std::unique_ptr<kve::Action> close_;
    std::unique_ptr<kve::Action> fade_;
};
