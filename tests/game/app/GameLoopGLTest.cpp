#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/config/Config.hpp"
#include "engine/persistence/FileSaveGame.hpp"
#include "engine/persistence/SaveGameIdSource.hpp"
#include "game/persistence/GameSaveEntries.hpp"
#include "game/persistence/PlayerProfiles.hpp"
#include "game/persistence/screens/PlayerProfilesMenu.hpp"
#include "game/story/dialogue/Dialog.hpp"
#include "support/FakeTextureFactory.hpp"
#include "support/PngImage.hpp"
#include "support/ProcessRun.hpp"
#include "support/ScratchFolder.hpp"

// The game played as a new player would, from an empty save folder: the
// logos, the opening story (placeholders), a profile made by typing a name,
// the main menu, a new game, the first location's present scene to its end,
// its past scene through the flow up to the tenth find that opens the portal
// for good, and the quit question. A second start continues into the same
// scene with the same goals and score.
namespace {

constexpr int kSeed = 5;

std::string readFile(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string tail(const std::string& text) {
    return text.substr(text.size() > 3000 ? text.size() - 3000 : 0);
}

// The script that finds the goals of a scene, written by goalscript.
std::string goalScript(const std::string& dir, int sceneId, const std::string& extra) {
    const std::string file = dir + "scene" + std::to_string(sceneId) + ".txt";
    const ProcessRun run = ProcessRun::run(std::string(CHRONA_BINARY_DIR) + "/tests/goalscript --content " +
                                           CHRONA_CONTENT_DIR + " --scene " + std::to_string(sceneId) + " --seed " +
                                           std::to_string(kSeed) + " " + extra + " --out " + file);
    EXPECT_EQ(run.exitCode, 0) << run.output;
    return readFile(file);
}

// The script with extra commands after its n-th click (a later command only
// waits longer: the game is never behind the script).
std::string afterClick(const std::string& script, int n, const std::string& extra) {
    std::size_t at = 0;
    for (int i = 0; i < n && at != std::string::npos; ++i) {
        at = script.find("\nclick ", at + 1);
    }
    if (at == std::string::npos) {
        ADD_FAILURE() << "the script has fewer than " << n << " clicks";
        return script;
    }
    const std::size_t lineEnd = script.find('\n', at + 1);
    return script.substr(0, lineEnd + 1) + extra + script.substr(lineEnd + 1);
}

// A click on the screen on top, and time for the next screen.
std::string clickOn(const std::string& screen) {
    return "expect-screen " + screen + "\nclick 500 400\nwait 12\n";
}

// Frames of 16 ms that surely cover milliseconds of timed steps.
int framesFor(int milliseconds) {
    return milliseconds / 16 + 4;
}

// The script that passes one screen of the story: a dialogue by a click on
// every step that waits for one (each after the timed steps before it), an
// animation by one click, or either by Escape when skipping. A file the
// content lacks plays as an empty screen that goes by itself after its fade.
std::string passStory(const std::string& file, bool animation, bool skip) {
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

const char* const kIntro1 = "content/animations/CutScenes/Intro/Sequence01/Sequence01.xml";
const char* const kIntro2 = "content/animations/CutScenes/Intro/Sequence02/Sequence02.xml";

// From the first start to the main menu: the logos are cut short, the
// opening cut-scenes and dialogues lead to the first profile, then to the main menu.
std::string firstStart(bool skip) {
    return "wait 20\n" + clickOn("LogoSeqManager") + clickOn("LogoSeqManager") + passStory(kIntro1, true, skip) +
           passStory(kIntro2, true, skip) + passStory("content/story/dialogs/IntroScene_03.xml", false, skip) +
           passStory("content/story/dialogs/IntroScene_04.xml", false, skip) +
           "wait 60\nexpect-screen PlayerNameEntry\ntype Ada\nwait 5\ntap return\nwait 60\n"
           "expect-screen PlayerProfilesMenu\nmove 622 533\nwait 2\nclick 622 533\nwait 110\n" +
           passStory(PlayerProfilesMenu::NextDialogue, false, skip) + "wait 60\n";
}

// Alt+F4 asks first; "Yes" ends the game.
const char* const kQuit = "tap alt+f4\nwait 90\nexpect-screen NewQuitDialogScreen\nmove 512 491\nwait 2\n"
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

ProcessRun play(const std::string& save, const std::string& scriptFile, const std::string& script) {
    std::ofstream(scriptFile) << script;
    return ProcessRun::run("CHRONA_LOG=info " + ProcessRun::chrona() + " --save-dir " + save +
                           " --windowed --seed " + std::to_string(kSeed) + " --fixed-step 16 --script " + scriptFile);
}

}  // namespace

TEST(GameLoop, ANewPlayerPlaysTheFirstLocationQuitsAndContinuesWhereTheyLeft) {
    const std::string dir = scratchFolder("gameloop");
    const std::string save = dir + "save";
    const std::string saveFile = save + "/Chrona/chrona.sav";
    // The gold badge of the first step, caught while it shows.
    const std::string present =
        afterClick(goalScript(dir, 100, ""), 10, "wait 170\nscreenshot " + pictureFile("gameloop-badge.png") + "\n");
    const std::string past = goalScript(dir, 200, "--finds 10 --answer");

    const std::string firstRun = firstStart(false) + "expect-screen MainMenu\nscreenshot " +
                                 pictureFile("gameloop-menu.png") + "\nmove 512 299\nwait 2\nclick 512 299\nwait 60\n" +
                                 passStory("content/story/dialogs/Tutorial.xml", false, false) +
                                 passStory("content/story/dialogs/Tutorial_TimeZapper.xml", false, false) +
                                 "wait 30\n" + clickOn("NewLocationScreen") + "wait 30\n" +
                                 "expect-screen SceneIntro\n" + present + "expect-screen HOScene\n" + past +
                                 "screenshot " + pictureFile("gameloop-past-portal.png") + "\n" + kQuit;
    const ProcessRun first = play(save, dir + "first.txt", firstRun);
    ASSERT_EQ(first.exitCode, 0) << tail(first.output);
    EXPECT_EQ(first.output.find("nothing to find"), std::string::npos) << "every click must find its goal";
    EXPECT_NE(first.output.find("scene 100: ends with 1009"), std::string::npos) << tail(first.output);

    int score = 0;
    SceneState::ItemList goals;
    SceneState::ItemList found;
    {
        const SavedGame game(saveFile);
        ASSERT_TRUE(game.loaded);
        ASSERT_EQ(PlayerProfiles::instance().count(), 1);
        const PlayerProfile* ada = game.player();
        ASSERT_NE(ada, nullptr);
        EXPECT_EQ(ada->name, "Ada");
        EXPECT_EQ(ada->currentScene, 200) << "the present scene led on to its past";
        ASSERT_EQ(ada->sessions.size(), 1u);
        const SessionRecord& session = *ada->sessions.front();
        EXPECT_EQ(ada->currentSession, session.id);
        ASSERT_EQ(session.locations.size(), 3u);
        const LocationEntry& first = *session.locations.front();
        EXPECT_EQ(first.location, 0) << "the first location of the index is always played first";
        EXPECT_EQ(first.present.collectedItems.size(), 30u);
        EXPECT_TRUE(first.present.goalItems.empty());
        EXPECT_EQ(first.present.badge, 0) << "a first visit within the time limit wins gold";
        EXPECT_FALSE(first.present.completed) << "the visit that wins the badge leaves completing to the next";
        EXPECT_EQ(first.past.collectedItems.size(), 10u);
        EXPECT_FALSE(first.past.goalItems.empty()) << "the goals of the step being played";
        EXPECT_TRUE(first.firstFlag) << "the tenth find opened the portal for good";
        EXPECT_TRUE(first.past.opened);
        EXPECT_TRUE(first.thirdFlag);
        EXPECT_GT(ada->score, 0);
        EXPECT_EQ(ada->score, first.present.points + first.past.points);
        score = ada->score;
        goals = first.past.goalItems;
        found = first.past.collectedItems;
    }

    // The second start: the profile is there, the opening (skipped this
    // time) leads to the main menu, and "Continue" opens the past scene again.
    const std::string secondRun = "wait 20\n" + clickOn("LogoSeqManager") + clickOn("LogoSeqManager") +
                                  passStory(kIntro1, true, true) + passStory(kIntro2, true, true) + "wait 60\n" +
                                  "expect-screen MainMenu\nmove 512 379\nwait 2\nclick 512 379\nwait 200\n"
                                  "expect-screen HOScene\nscreenshot " + pictureFile("gameloop-continued.png") +
                                  "\n" + kQuit;
    const ProcessRun second = play(save, dir + "second.txt", secondRun);
    ASSERT_EQ(second.exitCode, 0) << tail(second.output);
    const SavedGame game(saveFile);
    ASSERT_TRUE(game.loaded);
    const PlayerProfile* ada = game.player();
    ASSERT_NE(ada, nullptr);
    EXPECT_EQ(ada->currentScene, 200);
    EXPECT_EQ(ada->score, score);
    const LocationEntry& location = *ada->sessions.front()->locations.front();
    EXPECT_EQ(location.past.goalItems, goals) << "the continued scene shows the goals the player left";
    EXPECT_EQ(location.past.collectedItems, found) << "found objects stay found";
    PngImage shot;
    ASSERT_TRUE(shot.load(pictureFile("gameloop-continued.png")));
    EXPECT_GT(shot.distinctColours(), 1000u) << "a painted scene, not a blank screen";
}
