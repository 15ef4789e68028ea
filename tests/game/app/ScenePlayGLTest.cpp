#include <gtest/gtest.h>
#include <tinyxml2.h>

#include <algorithm>
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

// Generates the script for the scene, checks that it clicks as many times as
// expected (the goals and the buttons of the messages on the way), and plays
// it in the real game: every click must find its goal and the scene must end.
void playToTheEnd(const std::string& content, int sceneId, int clicks) {
    SCOPED_TRACE("scene " + std::to_string(sceneId));
    const std::string dir = scratchFolder("sceneplay" + std::to_string(sceneId));
    const std::string script = dir + "play.txt";
    const ProcessRun generated = generate(content, sceneId, 11, script);
    ASSERT_EQ(generated.exitCode, 0) << generated.output;
    EXPECT_EQ(count(readFile(script), "\nclick "), clicks);

    const ProcessRun run = ProcessRun::run("CHRONA_LOG=info " + ProcessRun::chrona() + " --content " + content +
                                           " --save-dir " + dir +
                                           "save --windowed --scene " + std::to_string(sceneId) +
                                           " --seed 11 --fixed-step 16 --script " + script);
    EXPECT_EQ(misses(run.output), "") << "every click must find its goal";
    EXPECT_NE(run.output.find("scene " + std::to_string(sceneId) + ": ends with"), std::string::npos)
        << "the scene ends after its last goal";
    EXPECT_EQ(run.exitCode, 0) << run.output.substr(run.output.size() > 3000 ? run.output.size() - 3000 : 0);
}

// The highest present scene id of the baked scene index: the location added last.
int newestLocation() {
    tinyxml2::XMLDocument index;
    index.LoadFile((std::string(CHRONA_CONTENT_DIR) + "/config/scene/sceneIndex.xml").c_str());
    const tinyxml2::XMLElement* root = index.FirstChildElement("Indexes");
    int newest = -1;
    for (const tinyxml2::XMLElement* e = root ? root->FirstChildElement("Index") : nullptr; e;
         e = e->NextSiblingElement("Index")) {
        const int id = e->IntAttribute("id");
        newest = id < 200 ? std::max(newest, id) : newest;
    }
    return newest;
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

TEST(ScenePlay, APlayedSceneRepeatsAndItsRecordingReplaysItExactly) {
    const std::string dir = scratchFolder("scenereplay");
    ASSERT_EQ(generate(CHRONA_CONTENT_DIR, 100, 11, dir + "all.txt").exitCode, 0);
    // The first twelve finds (into the silhouette step), a hint, and frames
    // full of flights, bursts, trails and sparkles.
    std::stringstream all(readFile(dir + "all.txt"));
    std::ofstream part(dir + "part.txt");
    std::string line;
    int clicks = 0;
    int frames = 0;
    while (clicks < 12 && std::getline(all, line)) {
        part << line << "\n";
        clicks += line.rfind("click ", 0) == 0 ? 1 : 0;
        frames += line.rfind("wait ", 0) == 0 ? std::stoi(line.substr(5)) : 0;
    }
    part << "wait 20\ntap h\nwait 25\n";
    part.close();
    frames += 45;

    const std::string common = ProcessRun::chrona() + " --save-dir " + dir + "save --windowed --scene 100 --seed 11";
    const std::string last = " --screenshot " + std::to_string(frames) + ":" + dir;
    const ProcessRun first =
        ProcessRun::run(common + " --script " + dir + "part.txt --record " + dir + "recorded.txt" + last + "first.png");
    ASSERT_EQ(first.exitCode, 0) << first.output;
    EXPECT_EQ(misses(first.output), "");
    const ProcessRun again = ProcessRun::run(common + " --script " + dir + "part.txt" + last + "again.png");
    ASSERT_EQ(again.exitCode, 0) << again.output;
    const ProcessRun replay = ProcessRun::run(common + " --script " + dir + "recorded.txt" + last + "replayed.png");
    ASSERT_EQ(replay.exitCode, 0) << replay.output;

    const std::string shot = readFile(dir + "first.png");
    ASSERT_FALSE(shot.empty());
    EXPECT_TRUE(shot == readFile(dir + "again.png")) << "the same script gives the same frame";
    EXPECT_TRUE(shot == readFile(dir + "replayed.png")) << "the recording gives the same frame";
}

TEST(ScenePlay, EveryGoalOfTheFixtureSceneIsFoundAtAVisiblePixel) {
    // Two keys, a set of two coins and a lamp; then a cup half under a mug
    // and a gem seen through the hole of a frame.
    playToTheEnd(std::string(CHRONA_TEST_DATA_DIR) + "/hoscene", 101, 8);
}

// Three steps of ten goals in both eras. The past says when its portal opens
// for good (the tenth find); its first visit ends after the second step.
constexpr int kPresentClicks = 30;
constexpr int kPastClicks = 21;

TEST(ScenePlay, EveryGoalOfTheFirstLocationIsFoundAtAVisiblePixel) {
    playToTheEnd(CHRONA_CONTENT_DIR, 100, kPresentClicks);
    playToTheEnd(CHRONA_CONTENT_DIR, 200, kPastClicks);
}

TEST(ScenePlay, EveryGoalOfTheNewestLocationIsFoundAtAVisiblePixel) {
    // Every scene plays to its end in-process (DefaultLocations); the real
    // game plays the location added last, in both eras.
    const int present = newestLocation();
    ASSERT_GE(present, 100);
    playToTheEnd(CHRONA_CONTENT_DIR, present, kPresentClicks);
    playToTheEnd(CHRONA_CONTENT_DIR, present + 100, kPastClicks);
}
