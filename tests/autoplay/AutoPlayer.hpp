#pragma once

#include <cstdint>
#include <ostream>
#include <random>
#include <string>

#include "BotHands.hpp"
#include "MinigameHand.hpp"
#include "PlayRecord.hpp"
#include "PlayStyle.hpp"
#include "SceneHand.hpp"
#include "engine/app/FrameDriver.hpp"

class DialogScreen;
class MainMenu;
class ScreenBase;
class Widget;

// Plays the whole game in this process as a player would: it looks at the
// screen on top each frame (the goal panel, the dialogue, the boards, the
// map) through the game's own state, and answers with input at points where
// the control or object is really visible, which the game handles exactly as
// a player's. The run's --record file is the script that replays it. It
// never calls the game's logic to win anything.
class AutoPlayer : public FrameDriver {
public:
    AutoPlayer(PlayStyle style, std::uint32_t seed, std::ostream& log);

    void beginFrame(ScriptPlayer::Sink& sink) override;
    bool finished() const override { return done_ || !failure_.empty(); }
    // Stops the run with a failure after this many frames.
    void setFrameLimit(long frames) { frameLimit_ = frames; }
    // Ends the run once the first minigame has left the screen.
    void stopAfterMinigame() { stopAfterMinigame_ = true; }
    // Why the run stopped before the credits; empty when it did not.
    const std::string& failure() const { return failure_; }
    const PlayRecord& record() const { return record_; }
    // The screen on top when the run ended.
    const std::string& lastScreen() const { return lastScreen_; }
    // Keeps the name of the screen on top in this file, rewritten at every
    // change (what a process killed from outside was showing).
    void setStatusFile(const std::string& path) { statusFile_ = path; }
    // Kills the process (SIGKILL) at the start of that frame, as the task
    // manager would (0: never).
    void setKillFrame(long frame) { killFrame_ = frame; }
    // Kills it that many frames after the named screen first comes on top.
    void setKillScreen(const std::string& name, long delay) {
        killScreen_ = name;
        killDelay_ = delay;
    }

private:
    void observe(ScreenBase* top);
    void decide(ScreenBase& top);
    void fail(const std::string& why);
    // Queues a click on the widget when a press reaches it; false otherwise.
    bool press(const ScreenBase& screen, const Widget* widget);
    // Queues a click on button index of the screen's question or message.
    bool answer(const ScreenBase& screen, std::size_t index);
    // A click where no control is (the whole screen listens).
    void clickAnywhere();

    void dialogue(DialogScreen& screen);
    void mainMenu(ScreenBase& screen);
    void map(ScreenBase& screen);
    void progress(ScreenBase& screen);
    void readStanding();
    // The first frame: what the save folder held when the game started.
    void reportStart() const;

    PlayStyle style_;
    std::ostream& log_;
    std::mt19937 random_;
    BotHands hands_;
    PlayRecord record_;
    SceneHand scenes_;
    MinigameHand minigames_;
    ScreenBase* top_ = nullptr;
    long frame_ = 0;
    long topSince_ = 0;
    long idleSince_ = 0;
    long frameLimit_ = 3000000;
    long killFrame_ = 0;
    std::string killScreen_;
    long killDelay_ = 0;
    int dialogues_ = 0;
    long countedSince_ = -1;  // the arrival on top of the last dialogue counted
    int mapSwitches_ = 0;
    int continues_ = 0;
    int dialogueToSkip_ = -1;
    const ScreenBase* skippedDialogue_ = nullptr;
    bool done_ = false;
    bool stopAfterMinigame_ = false;
    std::string failure_;
    std::string lastScreen_;
    std::string statusFile_;
};
