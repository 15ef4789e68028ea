#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "support/ProcessRun.hpp"
#include "support/ScratchFolder.hpp"

namespace {

std::string readFile(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

int count(const std::string& text, const std::string& word) {
    int found = 0;
    for (std::size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) {
        ++found;
    }
    return found;
}

// Writes the script that clicks every goal of the scene once.
ProcessRun generate(const std::string& content, int sceneId, int seed, const std::string& script) {
    return ProcessRun::run(std::string(CHRONA_BINARY_DIR) + "/tests/goalscript --content " + content + " --scene " +
                           std::to_string(sceneId) + " --seed " + std::to_string(seed) + " --out " + script);
}

// The lines of the game's output that report a press which found nothing.
std::string misses(const std::string& output) {
    std::stringstream lines(output);
    std::string line;
    std::string found;
    while (std::getline(lines, line)) {
        if (line.find("nothing to find") != std::string::npos) {
            found += line + "\n";
        }
    }
    return found;
}

// Generates the script for the scene, checks that it clicks as many goals as
// expected, and plays it in the real game: every click must find its goal,
// and the title screen must follow the last step.
void playToTheEnd(const std::string& content, int sceneId, int goals) {
    SCOPED_TRACE("scene " + std::to_string(sceneId));
    const std::string dir = scratchFolder("sceneplay" + std::to_string(sceneId));
    const std::string script = dir + "play.txt";
    const ProcessRun generated = generate(content, sceneId, 11, script);
    ASSERT_EQ(generated.exitCode, 0) << generated.output;
    EXPECT_EQ(count(readFile(script), "\nclick "), goals);

    const ProcessRun run = ProcessRun::run(ProcessRun::chrona() + " --content " + content + " --save-dir " + dir +
                                           "save --windowed --scene " + std::to_string(sceneId) +
                                           " --seed 11 --fixed-step 16 --script " + script);
    EXPECT_EQ(misses(run.output), "") << "every click must find its goal";
    EXPECT_EQ(run.exitCode, 0) << run.output.substr(run.output.size() > 3000 ? run.output.size() - 3000 : 0);
}

}  // namespace

TEST(ScenePlay, GeneratedScriptsRepeatWithTheSeed) {
    const std::string dir = scratchFolder("goalscript");
    ASSERT_EQ(generate(CHRONA_CONTENT_DIR, 100, 3, dir + "a.txt").exitCode, 0);
    ASSERT_EQ(generate(CHRONA_CONTENT_DIR, 100, 3, dir + "b.txt").exitCode, 0);
    ASSERT_EQ(generate(CHRONA_CONTENT_DIR, 100, 4, dir + "c.txt").exitCode, 0);
    EXPECT_EQ(readFile(dir + "a.txt"), readFile(dir + "b.txt"));
    EXPECT_NE(readFile(dir + "a.txt"), readFile(dir + "c.txt")) << "another seed, other goals";
}

TEST(ScenePlay, EveryGoalOfTheFixtureSceneIsFoundAtAVisiblePixel) {
    // Two keys, a set of two coins and a lamp; then a cup half under a mug
    // and a gem seen through the hole of a frame.
    playToTheEnd(std::string(CHRONA_TEST_DATA_DIR) + "/hoscene", 101, 8);
}

TEST(ScenePlay, EveryGoalOfTheFirstLocationIsFoundAtAVisiblePixel) {
    // Three steps of ten goals in both eras.
    playToTheEnd(CHRONA_CONTENT_DIR, 100, 30);
    playToTheEnd(CHRONA_CONTENT_DIR, 200, 30);
}
