#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "support/ProcessRun.hpp"
#include "support/TempFolder.hpp"

// Runs of the real game started straight in a minigame and played from a
// script: the script solves the board, the congratulation's button is
// pressed (Return; only the dialogue answers it, so an unsolved board stays)
// and the flow must show its next screen. The pictures of the runs are kept
// in the build folder.
namespace MinigameRun {

const int kSeed = 12;
// Frames of the entering fade, of the congratulation's wait and opening, and of the leaving.
const char* const kEnter = "wait 45\n";
const char* const kCongratulation = "wait 200\n";
const char* const kLeave = "wait 60\n";

// A file of the baked content, by its path below "content/".
inline std::string content(const std::string& path) {
    return std::string(CHRONA_CONTENT_DIR) + "/" + path;
}

// A content path as the game names it ("content/...") on disk.
inline std::string baked(const std::string& contentPath) {
    return content(contentPath.substr(std::string("content/").size()));
}

inline std::string shots() {
    const std::string dir = std::string(CHRONA_BINARY_DIR) + "/minigame-screens";
    std::filesystem::create_directories(dir);
    return dir;
}

// Plays the script in the game started in the minigame; fails the test
// unless the run ends at the expected screen. Gives what the game printed.
inline std::string play(const std::string& type, const std::string& file, const std::string& script,
                        const std::string& next, const std::string& options = "") {
    TempFolder folder;
    std::ofstream(folder.file("play.txt")) << script << kCongratulation << "tap return\n"
                                          << kLeave << "expect-screen " << next << "\nquit\n";
    const ProcessRun run = ProcessRun::run(ProcessRun::chrona() + " --windowed --save-dir " + folder.path() +
                                           " --seed " + std::to_string(kSeed) + " --fixed-step 16 " + options +
                                           " --script " + folder.file("play.txt") + " --minigame " + type + " " +
                                           file);
    EXPECT_EQ(run.exitCode, 0) << file << "\n" << run.output;
    return run.output;
}

}  // namespace MinigameRun
