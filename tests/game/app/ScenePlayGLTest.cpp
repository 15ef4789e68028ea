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
ProcessRun generate(int sceneId, int seed, const std::string& script) {
    return ProcessRun::run(std::string(CHRONA_BINARY_DIR) + "/tests/goalscript --content " + CHRONA_CONTENT_DIR +
                           " --scene " + std::to_string(sceneId) + " --seed " + std::to_string(seed) +
                           " --out " + script);
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

}  // namespace

TEST(ScenePlay, GeneratedScriptsRepeatWithTheSeed) {
    const std::string dir = scratchFolder("goalscript");
    ASSERT_EQ(generate(100, 3, dir + "a.txt").exitCode, 0);
    ASSERT_EQ(generate(100, 3, dir + "b.txt").exitCode, 0);
    ASSERT_EQ(generate(100, 4, dir + "c.txt").exitCode, 0);
    EXPECT_EQ(readFile(dir + "a.txt"), readFile(dir + "b.txt"));
    EXPECT_NE(readFile(dir + "a.txt"), readFile(dir + "c.txt")) << "another seed, other goals";
}

TEST(ScenePlay, EveryGoalOfTheFirstLocationIsFoundAtAVisiblePixel) {
    for (int sceneId : {100, 200}) {
        SCOPED_TRACE("scene " + std::to_string(sceneId));
        const std::string dir = scratchFolder("sceneplay" + std::to_string(sceneId));
        const std::string script = dir + "play.txt";
        const ProcessRun generated = generate(sceneId, 11, script);
        ASSERT_EQ(generated.exitCode, 0) << generated.output;
        // Three steps of ten goals.
        EXPECT_EQ(count(readFile(script), "\nclick "), 30);

        const ProcessRun run = ProcessRun::run(ProcessRun::chrona() + " --save-dir " + dir + "save" +
                                               " --windowed --scene " + std::to_string(sceneId) +
                                               " --seed 11 --fixed-step 16 --script " + script);
        EXPECT_EQ(misses(run.output), "") << "every click must find its goal";
        // The script ends by expecting the title screen that follows the last step.
        EXPECT_EQ(run.exitCode, 0) << run.output.substr(run.output.size() > 3000 ? run.output.size() - 3000 : 0);
    }
}
