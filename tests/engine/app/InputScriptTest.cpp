#include <gtest/gtest.h>

#include <SDL/SDL_keysym.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "engine/app/InputRecorder.hpp"
#include "engine/app/InputScript.hpp"
#include "engine/app/RunStats.hpp"
#include "engine/app/ScriptPlayer.hpp"

namespace {

// Writes every script call as a line of text.
class LogSink : public ScriptPlayer::Sink {
public:
    void scriptMouse(int kind, int x, int y, int button) override {
        log << "mouse " << kind << " " << x << " " << y << " " << button << "\n";
    }
    void scriptKey(bool down, int sym, int mods, int unicode) override {
        log << "key " << down << " " << sym << " " << mods << " " << unicode << "\n";
    }
    void scriptScreenshot(const std::string& file) override { log << "shot " << file << "\n"; }
    std::string scriptTopScreen() override { return top; }

    std::ostringstream log;
    std::string top = "TitleScreen";
};

}  // namespace

TEST(InputScript, ParsesEveryCommandAndReportsErrorsByLine) {
    InputScript script;
    ASSERT_TRUE(script.parse("# a comment\n"
                             "seed 42\n"
                             "wait 3\n"
                             "wait 2 33   # recorded frames\n"
                             "move 10 20\n"
                             "press 1 2 right\n"
                             "release 1 2\n"
                             "click 5 6 middle\n"
                             "wheel down 7 8\n"
                             "keydown shift+a\n"
                             "keyup alt+return u=0\n"
                             "tap f8\n"
                             "type Hi #1\n"
                             "screenshot out.png\n"
                             "expect-screen TitleScreen\n"
                             "quit\n",
                             "s.txt"))
        << script.errors().front();
    EXPECT_TRUE(script.hasSeed());
    EXPECT_EQ(script.getSeed(), 42u);
    const auto& c = script.commands();
    ASSERT_EQ(c.size(), 14u);
    EXPECT_EQ(c[1].a, 2);
    EXPECT_EQ(c[1].b, 33);
    EXPECT_EQ(c[3].button, 3);
    EXPECT_EQ(c[4].button, 1);
    EXPECT_EQ(c[6].button, 5);
    EXPECT_EQ(c[7].a, SDLK_a);
    EXPECT_EQ(c[7].b, KMOD_LSHIFT);
    EXPECT_EQ(c[7].unicode, 'A');
    EXPECT_EQ(c[8].a, SDLK_RETURN);
    EXPECT_EQ(c[8].b, KMOD_LALT);
    EXPECT_EQ(c[9].a, SDLK_F8);
    EXPECT_EQ(c[10].text, "Hi #1");  // typed text keeps its "#"
    EXPECT_EQ(c[11].text, "out.png");

    InputScript bad;
    EXPECT_FALSE(bad.parse("wait\nmove 1\nclick 1 2 thumb\nkeydown nosuchkey\nfly 1 2\nwait 1 2 3\n", "bad.txt"));
    ASSERT_EQ(bad.errors().size(), 6u);
    EXPECT_EQ(bad.errors()[0].rfind("bad.txt:1: ", 0), 0u);
    EXPECT_EQ(bad.errors()[4].rfind("bad.txt:5: unknown command fly", 0), 0u);
}

TEST(ScriptPlayer, WaitsFramesAndRunsCommandsAtTheRightFrame) {
    InputScript script;
    ASSERT_TRUE(script.parse("move 1 1\nwait 2\nclick 3 4\ntype Ab\nwait 1 40\nexpect-screen Map\nwait 5\n", "p"));
    ScriptPlayer player(script);
    LogSink sink;
    EXPECT_EQ(player.beginFrame(), 0);  // frame 1: the move, then the first waited frame
    player.runDue(sink);
    EXPECT_EQ(sink.log.str(), "mouse 0 1 1 0\n");
    EXPECT_EQ(player.beginFrame(), 0);  // frame 2: still waiting
    player.runDue(sink);
    EXPECT_EQ(sink.log.str(), "mouse 0 1 1 0\n");
    EXPECT_EQ(player.beginFrame(), 40);  // frame 3 lasts 40 ms and gets the click and the typing
    player.runDue(sink);
    EXPECT_EQ(sink.log.str(),
              "mouse 0 1 1 0\nmouse 1 3 4 1\nmouse 2 3 4 1\nkey 1 97 1 65\nkey 0 97 1 0\nkey 1 98 0 98\n"
              "key 0 98 0 0\n");
    EXPECT_FALSE(player.finished());
    player.beginFrame();
    player.runDue(sink);  // the expectation fails: the title screen is on top
    EXPECT_TRUE(player.finished());
    EXPECT_NE(player.failure().find("line 6"), std::string::npos);
    EXPECT_NE(player.failure().find("TitleScreen"), std::string::npos);
}

TEST(InputRecorder, WritesAScriptThatParsesBackToTheSameInput) {
    const std::string path = ::testing::TempDir() + "recorded.txt";
    {
        InputRecorder recorder;
        ASSERT_TRUE(recorder.open(path, 99));
        recorder.endFrame(16);
        recorder.endFrame(16);
        recorder.mouseMove(10, 20);
        recorder.mouseButton(true, 10, 20, 1);
        recorder.endFrame(17);
        recorder.mouseButton(false, 10, 20, 1);
        recorder.mouseButton(true, 10, 20, 4);
        recorder.mouseButton(false, 10, 20, 4);
        recorder.key(true, SDLK_a, KMOD_LSHIFT, 'A');
        recorder.endFrame(33);
        recorder.endFrame(33);
        recorder.close();
    }
    InputScript script;
    ASSERT_TRUE(script.load(path));
    EXPECT_EQ(script.getSeed(), 99u);
    const auto& c = script.commands();
    ASSERT_EQ(c.size(), 8u);
    EXPECT_EQ(c[0].op, InputScript::Op::Wait);
    EXPECT_EQ(c[0].a, 2);
    EXPECT_EQ(c[0].b, 16);
    EXPECT_EQ(c[1].op, InputScript::Op::Move);
    EXPECT_EQ(c[2].op, InputScript::Op::Press);
    EXPECT_EQ(c[3].b, 17);  // the press's frame lasted 17 ms
    EXPECT_EQ(c[4].op, InputScript::Op::Release);
    EXPECT_EQ(c[5].op, InputScript::Op::Wheel);  // one notch, one line
    EXPECT_EQ(c[6].op, InputScript::Op::KeyDown);
    EXPECT_EQ(c[6].unicode, 'A');
    EXPECT_EQ(c[7].a, 2);
    EXPECT_EQ(c[7].b, 33);
    std::remove(path.c_str());
}

TEST(RunStats, MedianPercentileAndMaximum) {
    const RunStats::Spread odd = RunStats::spread({5, 1, 3});
    EXPECT_EQ(odd.median, 3);
    EXPECT_EQ(odd.max, 5);
    std::vector<std::int64_t> hundred;
    for (int i = 100; i >= 1; --i) {
        hundred.push_back(i);
    }
    const RunStats::Spread s = RunStats::spread(hundred);
    EXPECT_EQ(s.median, 50);  // (50 + 51) / 2 in whole microseconds
    EXPECT_EQ(s.p95, 95);
    EXPECT_EQ(s.max, 100);
    EXPECT_EQ(RunStats::spread({}).max, 0);

    RunStats stats;
    stats.addFrame(10, 100);
    stats.addFrame(30, 300);
    stats.sampleTextures(4, 1000);
    stats.sampleTextures(2, 5000);
    EXPECT_EQ(stats.peakTextures(), 4);
    EXPECT_EQ(stats.peakTextureBytes(), 5000);
    EXPECT_NE(stats.json().find("\"frames\": 2"), std::string::npos);
    EXPECT_NE(stats.text().find("frames: 2"), std::string::npos);
}
