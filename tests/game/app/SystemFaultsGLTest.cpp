#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <future>
#include <string>
#include <thread>

#include "support/PngImage.hpp"
#include "support/ScopedEnv.hpp"
#include "support/ScratchFolder.hpp"
#include "tests/game/app/PlayThrough.hpp"

// The real game when the computer lets it down: a save folder it may not
// write to, no sound device, a content file gone while it runs. Each time the
// player is told once, the game plays on and the saved game stays whole.
namespace {

using namespace PlayThrough;

std::size_t countOf(const std::string& text, const std::string& what) {
    std::size_t count = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) {
        ++count;
    }
    return count;
}

// Opens the options from the main menu and closes them again, which saves.
const std::string OptionsAndBack =
    press(512, 459) + "wait 60\nexpect-screen OptionsMenu\ntap escape\nwait 60\nexpect-screen MainMenu\n";

}  // namespace

TEST(SystemFaults, ASaveFolderThatCannotBeWrittenKeepsTheSaveAndTellsThePlayerOnce) {
    const std::string dir = scratchFolder("faults-readonly");
    const std::string save = dir + "save";
    const std::string folder = save + "/Chrona";
    const std::string saveFile = folder + "/chrona.sav";
    const ProcessRun first = play(save, dir + "first.txt", firstStart(true) + Quit);
    ASSERT_EQ(first.exitCode, 0) << tail(first.output);
    const std::string before = readFile(saveFile);
    ASSERT_FALSE(before.empty());

    // Root ignores a folder's permissions (the suite runs as root on the
    // build machines): there a folder standing where the new save file is
    // written first refuses the write as surely as a read-only folder.
    const bool root = ::geteuid() == 0;
    if (root) {
        std::filesystem::create_directory(saveFile + ".tmp");
    } else {
        ASSERT_EQ(::chmod(folder.c_str(), 0555), 0);
    }
    const std::string shot = pictureFile("faults-unsaved.png");
    // Two saves fail: leaving the options, and the quit.
    const ProcessRun second = play(save, dir + "second.txt",
                                   laterStart() + OptionsAndBack + "wait 10\nscreenshot " + shot + "\n" + Quit);
    if (root) {
        std::filesystem::remove(saveFile + ".tmp");
    } else {
        ::chmod(folder.c_str(), 0755);
    }
    ASSERT_EQ(second.exitCode, 0) << tail(second.output);
    EXPECT_EQ(countOf(second.output, "not written"), 1u) << tail(second.output);
    EXPECT_NE(second.output.find(saveFile), std::string::npos) << "the line names the file";
    EXPECT_EQ(countOf(second.output, "The player is told: Your progress cannot be saved"), 1u)
        << tail(second.output);
    EXPECT_EQ(readFile(saveFile), before) << "the save stays byte for byte";
    const SavedGame game(saveFile);
    ASSERT_TRUE(game.loaded);
    ASSERT_NE(game.player(), nullptr);
    EXPECT_EQ(game.player()->name, "Ada");

    // The notice: a dark band across the top of the menu with light text in it.
    PngImage picture;
    ASSERT_TRUE(picture.load(shot));
    int dark = 0;
    int light = 0;
    for (int y = 2; y < 60; ++y) {
        for (int x = 0; x < picture.width; x += 2) {
            const std::uint8_t* p = picture.pixel(x, y);
            const int sum = p[0] + p[1] + p[2];
            dark += sum < 120 ? 1 : 0;
            light += sum > 600 ? 1 : 0;
        }
    }
    const int samples = 58 * (picture.width / 2);
    EXPECT_GT(dark, samples / 2) << "the band is dark";
    EXPECT_GT(light, 200) << "and the message is written on it";

    // A save folder that cannot even be made (a file stands where it would
    // go): the fresh save at the start fails, and the game still runs.
    const std::string blocked = dir + "blocked";
    std::ofstream(blocked) << "not a folder";
    const ProcessRun noFolder = ProcessRun::run("CHRONA_LOG=info " + ProcessRun::chrona() + " --save-dir " + blocked +
                                                " --windowed --fixed-step 16 --frames 30");
    EXPECT_EQ(noFolder.exitCode, 0) << tail(noFolder.output);
    EXPECT_EQ(countOf(noFolder.output, "not written"), 1u) << tail(noFolder.output);
    EXPECT_EQ(countOf(noFolder.output, "The player is told"), 1u) << tail(noFolder.output);
    EXPECT_EQ(readFile(blocked), "not a folder");
}

TEST(SystemFaults, WithoutASoundDeviceTheGameStartsAndPlaysSilently) {
    const std::string dir = scratchFolder("faults-nosound");
    const std::string save = dir + "save";
    const ScopedEnv driver("SDL_AUDIODRIVER", "nosuchdriver");
    const std::string shot = pictureFile("faults-nosound.png");
    const ProcessRun run = play(save, dir + "script.txt", firstStart(true) + "screenshot " + shot + "\n" + Quit);
    ASSERT_EQ(run.exitCode, 0) << tail(run.output);
    EXPECT_EQ(countOf(run.output, "Unable to open audio!"), 1u) << tail(run.output);
    EXPECT_NE(run.output.find("without sound"), std::string::npos);
    EXPECT_EQ(run.output.find("Mix_Load"), std::string::npos) << "no line for each silent sound";
    const SavedGame game(save + "/Chrona/chrona.sav");
    ASSERT_TRUE(game.loaded);
    ASSERT_NE(game.player(), nullptr) << "the player got as far as making a profile";
    PngImage picture;
    ASSERT_TRUE(picture.load(shot));
    EXPECT_GT(picture.distinctColours(), 500u) << "the main menu is drawn";
}

TEST(SystemFaults, ASceneFileRemovedWhileTheGameRunsIsNamedOnceAndTheSceneStillPlays) {
    const std::string dir = scratchFolder("faults-content");
    const std::string content = dir + "content";
    // The content as links to the built files: the test takes one away
    // without touching the build's own.
    ASSERT_EQ(ProcessRun::run("cp -rs " + std::string(CHRONA_CONTENT_DIR) + " " + content).exitCode, 0);
    const std::string removed = content + "/scenes/location00_present/Background.png";
    ASSERT_TRUE(std::filesystem::is_symlink(removed));

    // The picture goes while the main menu is up, well before the first
    // scene is built: the script waits there until the test has taken it.
    const std::string menuShot = dir + "menu.png";
    const std::string sceneShot = pictureFile("faults-no-background.png");
    const std::string script = firstStart(true) + "screenshot " + menuShot + "\nwait 120\n" + newGame() +
                               tutorial(true) + "wait 120\nexpect-screen HOScene\nscreenshot " + sceneShot + "\n" +
                               Quit;
    std::ofstream(dir + "script.txt") << script;
    auto game = std::async(std::launch::async, [&] {
        return ProcessRun::run("CHRONA_LOG=info " + ProcessRun::chrona() + " --content " + content + " --save-dir " +
                               dir + "save --windowed --seed " + std::to_string(Seed) +
                               " --fixed-step 16 --script " + dir + "script.txt");
    });
    while (!std::filesystem::exists(menuShot) &&
           game.wait_for(std::chrono::milliseconds(2)) != std::future_status::ready) {
    }
    std::filesystem::remove(removed);
    const ProcessRun run = game.get();
    ASSERT_TRUE(std::filesystem::exists(menuShot)) << tail(run.output);
    ASSERT_EQ(run.exitCode, 0) << tail(run.output);
    EXPECT_EQ(countOf(run.output, "Background.png"), 1u) << tail(run.output);
    EXPECT_NE(run.output.find("scenes/location00_present/Background.png"), std::string::npos);
    PngImage picture;
    ASSERT_TRUE(picture.load(sceneShot));
    EXPECT_GT(picture.distinctColours(), 200u) << "the objects and the panel are drawn without the background";
}
