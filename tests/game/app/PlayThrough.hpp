#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/config/Config.hpp"
#include "engine/persistence/FileSaveGame.hpp"
#include "engine/persistence/SaveGameIdSource.hpp"
#include "game/persistence/GameSaveEntries.hpp"
#include "game/persistence/PlayerProfiles.hpp"
#include "game/persistence/screens/PlayerProfilesMenu.hpp"
#include "game/story/dialogue/Dialog.hpp"
#include "support/FakeTextureFactory.hpp"
#include "support/ProcessRun.hpp"

// Playing the real game from input scripts, as a player would, with a fixed
// seed and frame length so that every run sees the same goals.
namespace PlayThrough {

constexpr int Seed = 5;

inline std::string readFile(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The end of a run's output, where a failure shows.
inline std::string tail(const std::string& text) {
    return text.substr(text.size() > 3000 ? text.size() - 3000 : 0);
}

// What goalscript printed and the script it wrote.
struct GoalRun {
    std::string output;
    std::string script;
};

// The script that finds the goals of a scene (--scene ID) or of the scene
// a save file's player left off in (--save FILE), written by goalscript.
inline GoalRun goalScript(const std::string& file, const std::string& options) {
    const ProcessRun run = ProcessRun::run(std::string(CHRONA_BINARY_DIR) + "/tests/goalscript --content " +
                                           CHRONA_CONTENT_DIR + " --seed " + std::to_string(Seed) + " " + options +
                                           " --out " + file);
    EXPECT_EQ(run.exitCode, 0) << run.output;
    return {run.output, readFile(file)};
}

// A click on the screen on top (a logo, a cut-scene), and time for the next.
inline std::string clickOn(const std::string& screen) {
    return "expect-screen " + screen + "\nclick 500 400\nwait 12\n";
}

// Frames of 16 ms that surely cover milliseconds of timed steps.
inline int framesFor(int milliseconds) {
    return milliseconds / 16 + 4;
}

// The script that passes one screen of the story: a dialogue by a click on
// every step that waits for one (each after the timed steps before it), an
// animation by one click, or either by Escape when skipping. A file the
// content lacks plays as an empty screen that goes by itself after its fade.
inline std::string passStory(const std::string& file, bool animation, bool skip) {
    const std::string path = std::string(CHRONA_CONTENT_DIR) + "/" + file.substr(std::string("content/").size());
    if (!std::filesystem::exists(path)) {
        return animation ? "wait 70\n" : "wait 40\n";
    }
    // The screen seen here may still be the previous one fading out: the
    // first input waits for that, and for this one's fade-in.
    std::string script = "expect-screen DialogScreen\n";
    if (skip || animation) {
        return script + "wait 70\n" + (skip ? "tap escape\n" : "click 500 400\n") + "wait 40\n";
    }
    Config::instance().setContentFolder(CHRONA_CONTENT_DIR);
    FakeTextureFactory textures;
    const Dialog dialog(file, textures);
    Config::reset();
    // The timed milliseconds before the first click, and after each click.
    std::vector<int> timed(1, 0);
    for (const DialogStep& step : dialog.steps()) {
        if (step.timeout == DialogStep::WaitForClick) {
            timed.push_back(0);
        } else {
            timed.back() += step.timeout;
        }
    }
    script += "wait " + std::to_string(70 + framesFor(timed.front())) + "\n";
    for (std::size_t click = 1; click < timed.size(); ++click) {
        script += "click 500 400\nwait " + std::to_string(framesFor(timed[click])) + "\n";
    }
    // The screen fades out and the next one comes.
    return script + "wait 40\n";
}

constexpr const char* IntroOne = "content/animations/CutScenes/Intro/Sequence01/Sequence01.xml";
constexpr const char* IntroTwo = "content/animations/CutScenes/Intro/Sequence02/Sequence02.xml";
constexpr const char* Tutorial = "content/story/dialogs/Tutorial.xml";
constexpr const char* TimeZapper = "content/story/dialogs/Tutorial_TimeZapper.xml";

// From the first start to the main menu: the logos are cut short, the
// opening cut-scenes and dialogues (read to the end, or skipped) lead to the
// first profile ("Ada"), then to the main menu.
inline std::string firstStart(bool skip) {
    return "wait 20\n" + clickOn("LogoSeqManager") + clickOn("LogoSeqManager") + passStory(IntroOne, true, skip) +
           passStory(IntroTwo, true, skip) + passStory("content/story/dialogs/IntroScene_03.xml", false, skip) +
           passStory("content/story/dialogs/IntroScene_04.xml", false, skip) +
           "wait 60\nexpect-screen PlayerNameEntry\ntype Ada\nwait 5\ntap return\nwait 60\n"
           "expect-screen PlayerProfilesMenu\nmove 622 533\nwait 2\nclick 622 533\nwait 110\n" +
           passStory(PlayerProfilesMenu::NextDialogue, false, skip) + "wait 60\nexpect-screen MainMenu\n";
}

// A later start: the logos and the opening cut-scenes skipped, up to the main menu.
inline std::string laterStart() {
    return "wait 20\n" + clickOn("LogoSeqManager") + clickOn("LogoSeqManager") + passStory(IntroOne, true, true) +
           passStory(IntroTwo, true, true) + "wait 60\nexpect-screen MainMenu\n";
}

// The tutorial after a new game, up to the first place's scene opening
// under its caption.
inline std::string tutorial(bool skip) {
    return passStory(Tutorial, false, skip) + passStory(TimeZapper, false, skip) + "wait 30\n" +
           clickOn("NewLocationScreen") + "wait 30\nexpect-screen SceneIntro\n";
}

// Main-menu buttons, pressed with the pointer.
inline std::string press(int x, int y) {
    return "move " + std::to_string(x) + " " + std::to_string(y) + "\nwait 2\nclick " + std::to_string(x) + " " +
           std::to_string(y) + "\n";
}
inline std::string newGame() { return press(512, 299) + "wait 60\n"; }
// Continue, and time for the scene's caption to come and go.
inline std::string continueGame() { return press(512, 379) + "wait 200\n"; }

// Alt+F4 asks first; "Yes" ends the game.
constexpr const char* Quit = "tap alt+f4\nwait 90\nexpect-screen NewQuitDialogScreen\nmove 512 491\nwait 2\n"
                             "click 512 491\nwait 120\n";

struct GameId : SaveGameIdSource {
    const char* saveGameId() const override { return "ID_001"; }
};

// The profiles of a save file, read the way the game reads them.
struct SavedGame {
    explicit SavedGame(const std::string& path) : store(path, &id) {
        PlayerProfiles::reset();
        GameSaveEntries::registerAll(store, 75, 50);
        loaded = store.load();
    }
    const PlayerProfile* player() const { return PlayerProfiles::instance().currentProfile(); }

    GameId id;
    FileSaveGame store;
    bool loaded = false;
};

// One start of the game on the save folder, played by the script.
inline ProcessRun play(const std::string& save, const std::string& scriptFile, const std::string& script) {
    std::ofstream(scriptFile) << script;
    return ProcessRun::run("CHRONA_LOG=info " + ProcessRun::chrona() + " --save-dir " + save + " --windowed --seed " +
                           std::to_string(Seed) + " --fixed-step 16 --script " + scriptFile);
}

}  // namespace PlayThrough
