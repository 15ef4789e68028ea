#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/app/RunSupervisor.hpp"
#include "support/LogCapture.hpp"

namespace {

// Notes what the supervisor asks of the application.
class NotingHost : public RunSupervisor::Host {
public:
    void scriptMouse(int kind, int x, int y, int button) override {
        notes.push_back("mouse " + std::to_string(kind) + " " + std::to_string(x) + "," + std::to_string(y) + " " +
                        std::to_string(button));
    }
    void scriptKey(bool down, int sym, int, int) override {
        notes.push_back(std::string(down ? "down " : "up ") + std::to_string(sym));
    }
    void scriptScreenshot(const std::string& file) override { shotsAsked.push_back(file); }
    std::string scriptTopScreen() override { return topScreen; }
    void writeScreenshotPng(const std::string& path) override { written.push_back(path); }

    std::vector<std::string> notes;
    std::vector<std::string> shotsAsked;
    std::vector<std::string> written;
    std::string topScreen = "TitleScreen";
};

RunOptions scripted(const std::string& text) {
    RunOptions options;
    EXPECT_TRUE(options.script.parse(text, "test.txt"));
    options.hasScript = true;
    return options;
}

// One frame of the application's loop, as far as the supervisor sees it.
bool frame(RunSupervisor& supervisor, NotingHost& host, long number, int& exitCode) {
    supervisor.scriptedFrameLength();
    supervisor.deliverScriptInput(host);
    supervisor.writeScreenshots(number, host);
    return !supervisor.scriptEnded(exitCode);
}

}  // namespace

TEST(RunSupervisor, ScreenshotsAreWrittenAtTheirFrameByNumberAndByScript) {
    RunOptions options;
    options.screenshots = {{2, "second.png"}, {4, "fourth.png"}};
    RunSupervisor supervisor(options, 1);
    NotingHost host;
    EXPECT_FALSE(supervisor.isScripted());
    EXPECT_EQ(supervisor.recorder(), nullptr) << "nothing records unless asked";
    for (long number = 1; number <= 5; ++number) {
        if (number == 3) {
            supervisor.requestScreenshot("asked.png");
        }
        supervisor.writeScreenshots(number, host);
    }
    EXPECT_EQ(host.written, (std::vector<std::string>{"second.png", "asked.png", "fourth.png"}));
}

TEST(RunSupervisor, AScriptDrivesTheHostAndItsFailureSetsTheExitCode) {
    const RunOptions passing = scripted("click 10 20\nwait 1\nexpect-screen TitleScreen\n");
    RunSupervisor supervisor(passing, 7);
    NotingHost host;
    ASSERT_TRUE(supervisor.isScripted());
    int exitCode = 0;
    int frames = 0;
    while (frame(supervisor, host, ++frames, exitCode) && frames < 10) {
    }
    EXPECT_LT(frames, 10) << "the script's end ends the run";
    EXPECT_EQ(exitCode, 0);
    EXPECT_EQ(host.notes, (std::vector<std::string>{"mouse 1 10,20 1", "mouse 2 10,20 1"})) << "a click is a press and a release";

    const RunOptions failing = scripted("expect-screen MapScreen\n");
    RunSupervisor strict(failing, 7);
    LogCapture log;
    frames = 0;
    while (frame(strict, host, ++frames, exitCode) && frames < 10) {
    }
    EXPECT_EQ(exitCode, 1);
    ASSERT_EQ(log.lines().size(), 1u);
    EXPECT_NE(log.lines()[0].find("Script failed at"), std::string::npos) << log.lines()[0];
}
