#include <gtest/gtest.h>

#include "game/app/CommandLine.hpp"

TEST(CommandLine, ReadsEveryRunOption) {
    const CommandLine cl = CommandLine::parse({"--content", "c", "--save-dir", "s", "--windowed", "--seed", "42",
                                               "--fixed-step", "16", "--frames", "60", "--screenshot", "10:a.png",
                                               "--screenshot", "59:dir/b.png"});
    ASSERT_EQ(cl.outcome, CommandLine::Outcome::Run) << cl.error;
    EXPECT_EQ(cl.run.contentDir, "c");
    EXPECT_EQ(cl.run.saveDir, "s");
    EXPECT_EQ(cl.run.fullScreen, 0);
    EXPECT_TRUE(cl.run.hasSeed);
    EXPECT_EQ(cl.run.seed, 42u);
    EXPECT_EQ(cl.run.fixedStep, 16);
    EXPECT_EQ(cl.run.frames, 60);
    ASSERT_EQ(cl.run.screenshots.size(), 2u);
    EXPECT_EQ(cl.run.screenshots[1].first, 59);
    EXPECT_EQ(cl.run.screenshots[1].second, "dir/b.png");
    EXPECT_EQ(cl.run.startScene, -1);
    EXPECT_EQ(CommandLine::parse({"--scene", "213"}).run.startScene, 213);
    EXPECT_NE(CommandLine::helpText().find("--scene ID"), std::string::npos);
    const CommandLine minigame = CommandLine::parse({"--minigame", "MgKlotsky", "a.xml", "--seed", "3"});
    EXPECT_EQ(minigame.run.minigameType, "MgKlotsky");
    EXPECT_EQ(minigame.run.minigameFile, "a.xml");
    EXPECT_EQ(minigame.run.seed, 3u);
    EXPECT_EQ(CommandLine::parse({"--fullscreen"}).run.fullScreen, 1);
    const CommandLine replay =
        CommandLine::parse({"--script", "in.txt", "--record", "out.txt", "--stats", "--stats-json", "s.json"});
    EXPECT_EQ(replay.scriptFile, "in.txt");
    EXPECT_EQ(replay.run.recordFile, "out.txt");
    EXPECT_TRUE(replay.run.stats);
    EXPECT_EQ(replay.run.statsJson, "s.json");
    EXPECT_EQ(CommandLine::parse({"--version"}).outcome, CommandLine::Outcome::Version);
    EXPECT_EQ(CommandLine::parse({"--help"}).outcome, CommandLine::Outcome::Help);
}

TEST(CommandLine, RejectsUnknownAndMalformedOptions) {
    for (const auto& args : std::vector<std::vector<std::string>>{{"--bogus"},
                                                                  {"--seed"},
                                                                  {"--seed", "-1"},
                                                                  {"--seed", "12x"},
                                                                  {"--fixed-step", "0"},
                                                                  {"--frames", "ten"},
                                                                  {"--screenshot", "5"},
                                                                  {"--screenshot", "x:a.png"},
                                                                  {"--screenshot", "5:"},
                                                                  {"--content"},
                                                                  {"--script"},
                                                                  {"--stats-json", ""},
                                                                  {"--scene"},
                                                                  {"--scene", "-5"},
                                                                  {"--scene", "10a"},
                                                                  {"--minigame", "MgKlotsky"}}) {
        const CommandLine cl = CommandLine::parse(args);
        EXPECT_EQ(cl.outcome, CommandLine::Outcome::Error) << args[0];
        EXPECT_FALSE(cl.error.empty());
    }
}

TEST(CommandLine, ChecksTheContentOfAnOptionalFolder) {
    const CommandLine own = CommandLine::parse({"--check-content"});
    EXPECT_EQ(own.outcome, CommandLine::Outcome::CheckContent);
    EXPECT_TRUE(own.checkFolder.empty());
    const CommandLine other = CommandLine::parse({"--check-content", "build/content"});
    EXPECT_EQ(other.outcome, CommandLine::Outcome::CheckContent);
    EXPECT_EQ(other.checkFolder, "build/content");
    // A following option is not taken for the folder.
    const CommandLine followed = CommandLine::parse({"--check-content", "--windowed"});
    EXPECT_EQ(followed.outcome, CommandLine::Outcome::CheckContent);
    EXPECT_TRUE(followed.checkFolder.empty());
    EXPECT_NE(CommandLine::helpText().find("--check-content [DIR]"), std::string::npos);
}
