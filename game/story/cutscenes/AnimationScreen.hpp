#pragma once

#include <memory>
#include <string>
#include <vector>

#include "engine/animation/AnimationPlayerListener.hpp"
#include "engine/screens/ScreenBase.hpp"
#include "game/story/flow/AnimationRequest.hpp"

class AnimationPlayer;
class TextureFactory;

// A cut-scene made of key-frame animations played one after the other, read
// from a list file (AnimationSequence with one Animation animationPath each),
// with the flow entry's music and subtitle. A click moves on to the next
// animation, Escape skips the rest; after the last one the flow moves on.
// The path "MOCK" shows a stand-in frame that a click leaves.
class AnimationScreen : public ScreenBase, public AnimationPlayerListener {
public:
    static constexpr const char* MockPath = "MOCK";
    static constexpr const char* MockText = "Mock Animation screen - press mouse button to continue.";

    // Without a factory the pictures come from the menus' services (the application's).
    explicit AnimationScreen(const AnimationRequest& request, TextureFactory* textures = nullptr);
    ~AnimationScreen() override;

    void animationFinished(int id) override;
    void onKeyEvent(const KeyEvent& event) override;
    // A release anywhere, over the animation's pictures too, is a click.
    void onMouseEvent(const MouseEvent& event) override;

    bool isMock() const { return mock_; }
    // The animation files of the list, in the order they play.
    const std::vector<std::string>& animations() const { return animations_; }
    // The index of the animation that plays (the count of the list when done).
    int current() const { return current_; }
    AnimationPlayer& player() const { return *player_; }

protected:
    void build() override {}
    void onEnter() override;
    void onEntered() override;
    void drawBackground(Graphics* graphics) override;
    void drawForeground(Graphics* graphics) override;
    void onLeft(int result) override;

private:
    // Plays animation index; past the last one the screen leaves.
    void play(int index);

    AnimationRequest request_;
    TextureFactory& textures_;
    std::unique_ptr<AnimationPlayer> player_;
    bool mock_;
    std::vector<std::string> animations_;
    int current_ = -1;
};
