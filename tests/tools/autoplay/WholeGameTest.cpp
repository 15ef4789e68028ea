#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>

#include "engine/persistence/FileSaveGame.hpp"
#include "engine/persistence/SaveGameIdSource.hpp"
#include "game/persistence/GameSaveEntries.hpp"
#include "game/persistence/PlayerProfiles.hpp"
#include "support/ProcessRun.hpp"
#include "support/ScratchFolder.hpp"

// The whole game played by the bot, from an empty save folder to the
// credits, in a run without a window.
namespace {

struct GameId : SaveGameIdSource {
    const char* saveGameId() const override { return "ID_001"; }
};

struct Play {
    ProcessRun run;
    std::string saveFile;
};

Play autoplay(const std::string& folder, int seed, const std::string& style) {
    std::filesystem::remove_all(folder);
    const ProcessRun run = ProcessRun::run(std::string(CHRONA_BINARY_DIR) + "/tests/autoplay --content " +
                                           CHRONA_CONTENT_DIR + " --save-dir " + folder + " --seed " +
                                           std::to_string(seed) + " --style " + style);
    return {run, folder + "/Chrona/chrona.sav"};
}

// The number after "label" in the summary, or -1.
int figure(const std::string& output, const std::string& label) {
    std::smatch match;
    if (!std::regex_search(output, match, std::regex(label + "(-?[0-9]+)"))) {
        return -1;
    }
    return std::stoi(match[1]);
}

std::string bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream content;
    content << in.rdbuf();
    return content.str();
}

// The player of the save file: every piece handed out, the story over.
void expectFinishedPlayer(const std::string& saveFile) {
    PlayerProfiles::reset();
    GameId id;
    FileSaveGame store(saveFile, &id);
    GameSaveEntries::registerAll(store, 75, 50);
    ASSERT_TRUE(store.load()) << saveFile;
    const PlayerProfile* player = PlayerProfiles::instance().currentProfile();
    ASSERT_NE(player, nullptr);
    EXPECT_FALSE(player->name.empty());
    EXPECT_EQ(player->pieceCursor, 19) << "all twenty pieces were handed out";
    EXPECT_EQ(player->currentSession, -1) << "the progress screen's \"no\" to another game starts over";
    // The store's entries reach into the profiles as it goes, so they stay until the next reset.
}

void expectWholeGame(const std::string& output) {
    EXPECT_NE(output.find("reached: the progress screen and the credits"), std::string::npos) << output;
    EXPECT_EQ(figure(output, "scenes finished: "), 40) << output;
    EXPECT_EQ(figure(output, "pieces: "), 20);
    EXPECT_GE(figure(output, "LumoraPieceFoundScreen="), 20);
    EXPECT_GE(figure(output, "NewLocationScreen="), 20);
    EXPECT_GE(figure(output, "DialogScreen="), 12) << "the opening, the tutorial, six cut-scenes, the outro";
    EXPECT_EQ(figure(output, "CreditsScreen="), 1);
    EXPECT_EQ(figure(output, "solved="), 5 - figure(output, "skipped="));
}

}  // namespace

TEST(WholeGame, ACarefulPlayerReachesTheCreditsWithGoldEverywhereAndTheSameSaveEachTime) {
    const std::string folder = scratchFolder("wholegame-careful");
    const Play first = autoplay(folder + "a", 7, "careful");
    ASSERT_EQ(first.run.exitCode, 0) << first.run.output;
    expectWholeGame(first.run.output);
    EXPECT_EQ(figure(first.run.output, "gold="), 20) << "every present found in time on the first visit";
    EXPECT_EQ(figure(first.run.output, "skipped="), 0);
    EXPECT_EQ(figure(first.run.output, "misses: "), 0);
    EXPECT_GT(figure(first.run.output, "final score: "), 0);
    expectFinishedPlayer(first.saveFile);

    const Play again = autoplay(folder + "b", 7, "careful");
    ASSERT_EQ(again.run.exitCode, 0) << again.run.output;
    EXPECT_EQ(bytes(again.saveFile), bytes(first.saveFile)) << "the same seed plays the same game";
}

TEST(WholeGame, AHastyPlayerMissesSkipsAndQuitsYetReachesTheCredits) {
    const Play play = autoplay(scratchFolder("wholegame-hasty"), 2, "hasty");
    ASSERT_EQ(play.run.exitCode, 0) << play.run.output;
    const std::string& output = play.run.output;
    expectWholeGame(output);
    EXPECT_EQ(figure(output, "skipped="), 1);
    EXPECT_EQ(figure(output, "penalties: "), 1);
    EXPECT_GE(figure(output, "misses: "), 5);
    EXPECT_GT(figure(output, "hints: "), 0);
    EXPECT_EQ(figure(output, "time challenges run out: "), 1);
    EXPECT_EQ(figure(output, "quits through the menu: "), 1);
    EXPECT_EQ(figure(output, "dialogues skipped: "), 1);
    EXPECT_EQ(figure(output, "InGameMenu="), 1);
    expectFinishedPlayer(play.saveFile);
}
