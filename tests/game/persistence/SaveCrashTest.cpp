#include <gtest/gtest.h>

#include <csignal>
#include <cstdint>
#include <fcntl.h>
#include <random>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

#include "engine/persistence/FileSaveGame.hpp"
#include "engine/persistence/SaveGameIdSource.hpp"
#include "game/persistence/GameSaveEntries.hpp"
#include "game/persistence/PlayerProfiles.hpp"
#include "support/LogCapture.hpp"
#include "support/TempFolder.hpp"

namespace {

class GameId : public SaveGameIdSource {
public:
    const char* saveGameId() const override { return "ID_001"; }
};
const GameId kGameId;

// Loads the file into a fresh store; -1 when it fails to load or is damaged.
int profilesInFile(const std::string& path) {
    PlayerProfiles::reset();
    FileSaveGame store(path, &kGameId);
    GameSaveEntries::registerAll(store, 75, 50);
    LogCapture captured1;
    const bool loaded = store.load();
    const std::string said = captured1.takeText();
    if (!loaded || !said.empty()) {
        return -1;
    }
    return PlayerProfiles::instance().count();
}

// Child: keeps adding a profile and saving, and after every completed save
// reports the number of profiles in it through the pipe. Never returns.
[[noreturn]] void saveForever(const std::string& path, int reportFd) {
    PlayerProfiles::reset();
    FileSaveGame store(path, &kGameId);
    GameSaveEntries::registerAll(store, 75, 50);
    if (!store.load()) {
        _exit(2);
    }
    PlayerProfiles& profiles = PlayerProfiles::instance();
    for (;;) {
        PlayerProfile& p = profiles.add("Player " + std::to_string(profiles.count()));
        p.score = profiles.count();
        p.locationOrder = {0, 1, 2, 3, 4, 5, 6, 7};
        profiles.select(profiles.count() - 1);
        store.save();
        const std::int32_t saved = profiles.count();
        if (::write(reportFd, &saved, sizeof saved) != sizeof saved) {
            _exit(3);
        }
    }
}

}  // namespace

TEST(SaveCrash, KillingTheGameWhileItSavesNeverLosesACompletedSave) {
    TempFolder folder;
    const std::string path = folder.file("save.dat");
    {
        PlayerProfiles::reset();
        FileSaveGame store(path, &kGameId);
        GameSaveEntries::registerAll(store, 75, 50);
        store.save();
    }
    std::mt19937 random(20261206);
    std::uniform_int_distribution<int> delayUs(0, 4000);
    int lastCompleted = 0;
    int kills = 0;
    for (int round = 0; round < 220; ++round) {
        int fds[2];
        ASSERT_EQ(::pipe(fds), 0);
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            ::close(fds[0]);
            saveForever(path, fds[1]);
        }
        ::close(fds[1]);
        // Every round lets one save complete, then kills at a random moment.
        std::int32_t reported = 0;
        ASSERT_EQ(::read(fds[0], &reported, sizeof reported), static_cast<ssize_t>(sizeof reported));
        lastCompleted = std::max(lastCompleted, static_cast<int>(reported));
        ::usleep(static_cast<useconds_t>(delayUs(random)));
        ::kill(pid, SIGKILL);
        int status = 0;
        ::waitpid(pid, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the writer stopped by itself, status " << status;
        ++kills;
        while (::read(fds[0], &reported, sizeof reported) == sizeof reported) {
            lastCompleted = std::max(lastCompleted, static_cast<int>(reported));
        }
        ::close(fds[0]);

        const int inFile = profilesInFile(path);
        ASSERT_GE(inFile, 0) << "after kill " << kills << " the file does not load cleanly";
        ASSERT_GE(inFile, lastCompleted) << "after kill " << kills << " a completed save was lost";
    }
    EXPECT_GE(kills, 200);
    EXPECT_GE(lastCompleted, 220) << "every round completed at least one save";
    PlayerProfiles::reset();
}
