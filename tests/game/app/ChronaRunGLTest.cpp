#include <gtest/gtest.h>

#include <filesystem>

#include "support/PngImage.hpp"
#include "support/ProcessRun.hpp"

namespace {

std::string tempDir(const std::string& name) {
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / ("chrona_run_" + name);
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir.string();
}

std::string data(const std::string& rel) {
    return std::string(CHRONA_TEST_DATA_DIR) + "/" + rel;
}

}  // namespace

TEST(ChronaRun, RunsSixtyFixedFramesOnMinimalContentAndWritesTheScreenshot) {
    const std::string dir = tempDir("min");
    const std::string shot = dir + "/frame60.png";
    const ProcessRun run = ProcessRun::run(ProcessRun::chrona() + " --content " + data("content-min") +
                                           " --save-dir " + dir + " --windowed --seed 7 --fixed-step 16"
                                           " --frames 60 --screenshot 60:" + shot);
    ASSERT_EQ(run.exitCode, 0) << run.output;
    PngImage png;
    ASSERT_TRUE(png.load(shot)) << run.output;
    EXPECT_EQ(png.width, 1024);
    EXPECT_EQ(png.height, 768);
}

TEST(ChronaRun, DefaultContentShowsTheTitleScreen) {
    const std::string dir = tempDir("default");
    const std::string shot = dir + "/title.png";
    const ProcessRun run = ProcessRun::run(ProcessRun::chrona() + " --save-dir " + dir +
                                           " --windowed --seed 1 --fixed-step 16 --frames 40 --screenshot 40:" +
                                           shot);
    ASSERT_EQ(run.exitCode, 0) << run.output;
    PngImage png;
    ASSERT_TRUE(png.load(shot));
    ASSERT_EQ(png.width, 1024);
    // A painted picture, not a cleared screen.
    EXPECT_GT(png.distinctColours(), 1000u);
}

TEST(ChronaRun, StartUpFailuresNameTheFileAndExitNonZero) {
    const std::string dir = tempDir("fail");
    const ProcessRun noParams = ProcessRun::run(ProcessRun::chrona() + " --content " + data("content-noparams") +
                                                " --save-dir " + dir + " --frames 1");
    EXPECT_NE(noParams.exitCode, 0);
    EXPECT_NE(noParams.output.find("GameParameters.cfg"), std::string::npos) << noParams.output;

    const ProcessRun noResolution = ProcessRun::run(ProcessRun::chrona() + " --content " +
                                                    data("content-noresolution") + " --save-dir " + dir +
                                                    " --frames 1");
    EXPECT_NE(noResolution.exitCode, 0);
    EXPECT_NE(noResolution.output.find("config.xml"), std::string::npos) << noResolution.output;
    EXPECT_NE(noResolution.output.find("ScreenResolution"), std::string::npos) << noResolution.output;

    const ProcessRun unknown = ProcessRun::run(ProcessRun::chrona() + " --no-such-option");
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_NE(unknown.output.find("--no-such-option"), std::string::npos);

    const ProcessRun help = ProcessRun::run(ProcessRun::chrona() + " --help");
    EXPECT_EQ(help.exitCode, 0);
    for (const char* option : {"--content", "--save-dir", "--seed", "--fixed-step", "--frames", "--screenshot"}) {
        EXPECT_NE(help.output.find(option), std::string::npos) << option;
    }
}
