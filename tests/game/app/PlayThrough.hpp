#pragma once

#include <fstream>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "engine/persistence/FileSaveGame.hpp"
#include "engine/persistence/SaveGameIdSource.hpp"
#include "game/persistence/GameSaveEntries.hpp"
#include "game/persistence/PlayerProfiles.hpp"
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

// Escape skips the story screen on top, however long it is.
inline std::string skip(const std::string& screen) {
    return "expect-screen " + screen + "\ntap escape\nwait 12\n";
}

// From the first start to the main menu: the logos are cut short, the
// opening story is skipped up to the first profile ("Ada"), then to the menu.
inline std::string firstStart() {
    return "wait 20\n" + clickOn("LogoSeqManager") + clickOn("LogoSeqManager") + skip("DialogScreen") +
           skip("DialogScreen") + skip("DialogScreen") + skip("DialogScreen") +
           "wait 60\nexpect-screen PlayerNameEntry\ntype Ada\nwait 5\ntap return\nwait 60\n"
           "expect-screen PlayerProfilesMenu\nmove 622 533\nwait 2\nclick 622 533\nwait 150\n" +
           skip("DialogScreen") + "wait 60\n";
}

// A later start: the logos and the story up to the main menu.
inline std::string laterStart() {
    return "wait 20\n" + clickOn("LogoSeqManager") + clickOn("LogoSeqManager") + skip("DialogScreen") +
           skip("DialogScreen") + "wait 60\nexpect-screen MainMenu\n";
}

// Main-menu buttons, pressed with the pointer.
inline std::string press(int x, int y) {
    return "move " + std::to_string(x) + " " + std::to_string(y) + "\nwait 2\nclick " + std::to_string(x) + " " +
           std::to_string(y) + "\n";
}
inline std::string newGame() { return press(512, 299) + "wait 60\n"; }
inline std::string continueGame() { return press(512, 379) + "wait 120\n"; }

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
