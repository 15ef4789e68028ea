#pragma once

#include <memory>
#include <string>
#include <vector>

#include "engine/actions/ActionListener.hpp"
#include "engine/dialogs/MessageDialogSimpleListener.hpp"
#include "engine/render/Texture.hpp"
#include "engine/screens/ScreenBase.hpp"
#include "engine/widgets/TarvikButtonListener.hpp"

namespace kve {
class Action;
}
class AnimatedDialog;
class Font;
class SkipButton;
class TarvikButton;
class TextureFactory;

// The frame every minigame shares: "RESET" at the top left, the skip button
// with its countdown at the top right, Escape, the tutorial line at the
// bottom, the list of running actions, the start and end sounds and the
// congratulation after a solved puzzle. A concrete minigame lays out its own
// widgets, plays, and calls puzzleSolved when the player has won. Leaving
// hands over to what follows the code: the flow's next screen for skip and
// done, the main menu, or a fresh copy of the same minigame for reset.
class MiniGameBase : public ScreenBase,
                     public kve::ActionListener,
                     public TarvikButtonListener,
                     public MessageDialogSimpleListener {
public:
    static constexpr int SolvedDelayId = 1000;
    static constexpr int SolvedDialogId = 1000;
    static constexpr int SolvedDelay = 1000;
    static constexpr int TransitionTime = 500;
    static constexpr int ResetX = 20;
    static constexpr int ControlsY = 20;
    static constexpr int SkipX = 700;

    // The textures of the minigame come from the factory (the application's
    // when none is given).
    MiniGameBase(const std::string& name, const std::string& tutorialKey, bool fromExtrasMenu,
                 TextureFactory* textures = nullptr);
    ~MiniGameBase() override;

    // Starts the congratulation: a second of nothing, then the dialogue.
    virtual void puzzleSolved();
    // Told of every dialogue closing before the frame acts on it.
    virtual void onMinigameDialog(int /*dialogId*/, int /*answer*/) {}

    void onTarvikButton(int id, int code) override;
    void onKeyEvent(const KeyEvent& event) override;
    void actionFinished(int tag) override;
    void onDialogClosed(int dialogId, int answer) override;

    bool isFromExtrasMenu() const { return fromExtrasMenu_; }
    const std::string& getTutorialKey() const { return tutorialKey_; }
    SkipButton* getSkipButton() const { return skipButton_; }
    TarvikButton* getResetButton() const { return resetButton_; }
    // The congratulation, while it is on the screen.
    AnimatedDialog* getSolvedDialog() const { return solvedDialog_; }
    // The code the screen is leaving with, -1 while it plays.
    int getLeaveCode() const { return leaveCode_; }

protected:
    void build() override;
    void onEnter() override;
    void onUpdate(int milliseconds) override;
    void onEntered() override;
    void onLeft(int result) override;
    void drawForeground(Graphics* graphics) override;

    // Closes the screen with the code, once: later requests are ignored.
    void close(int code);
    // The board cannot be played (its file was reported): as soon as the
    // screen is shown it leaves as if skipped, so the story goes on.
    void passOver() { passOver_ = true; }
    // The same minigame afresh, for the reset button.
    virtual ScreenBase* restarted() const = 0;
    // Owns the action and updates it every frame until the screen goes.
    void runAction(kve::Action* action, int tag);
    // A picture of the minigame, shared by name in the screen's resources.
    Texture* picture(const std::string& name, const std::string& path, int keepMode = Texture::KeepNothing);
    TextureFactory& textureFactory() const;
    // The factory given at construction, none for the application's.
    TextureFactory* givenTextures() const { return textures_; }
    static std::string label(const std::string& key);
    // Plays a sound effect of the catalogue, when it is loaded.
    static void playEffect(const std::string& name);

private:
    void openSolvedDialog();
    ScreenBase* followingScreen(int code) const;

    std::string tutorialKey_;
    bool fromExtrasMenu_;
    TextureFactory* textures_;
    SkipButton* skipButton_ = nullptr;
    TarvikButton* resetButton_ = nullptr;
    AnimatedDialog* solvedDialog_ = nullptr;
    std::vector<std::unique_ptr<kve::Action>> actions_;
    int leaveCode_ = -1;
    bool passOver_ = false;
};
