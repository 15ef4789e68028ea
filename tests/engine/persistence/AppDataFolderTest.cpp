#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <sys/stat.h>

#include "engine/persistence/AppDataFolder.hpp"
#include "support/ScopedEnv.hpp"
#include "support/TempFolder.hpp"

namespace {

bool isDirectory(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace

TEST(AppDataFolder, BaseComesFromTheOptionThenXdgThenHome) {
    ScopedEnv home("HOME", "/home/player");
    {
        ScopedEnv xdg("XDG_DATA_HOME", "/data/xdg");
        EXPECT_EQ(AppDataFolder::base("/tmp/override"), "/tmp/override");
        EXPECT_EQ(AppDataFolder::base(""), "/data/xdg");
    }
    {
        ScopedEnv xdg("XDG_DATA_HOME", "relative/ignored");
        EXPECT_EQ(AppDataFolder::base(""), "/home/player/.local/share");
    }
    ScopedEnv xdg("XDG_DATA_HOME", nullptr);
    EXPECT_EQ(AppDataFolder::base(""), "/home/player/.local/share");
}

TEST(AppDataFolder, SavePathCreatesEveryLevelOfTheFolder) {
    TempFolder temp;
    const std::string base = temp.file("data");
    const std::string path = AppDataFolder::saveFilePath(base, "Studio/Chrona/Saves", "save.dat");
    EXPECT_EQ(path, base + "/Studio/Chrona/Saves/save.dat");
    EXPECT_TRUE(isDirectory(base + "/Studio/Chrona/Saves"));
    // Again, with everything already there, is no error.
    EXPECT_TRUE(AppDataFolder::create(base + "/Studio/Chrona/Saves"));
    TempFolder::writeAll(temp.file("plain-file"), {1});
    EXPECT_FALSE(AppDataFolder::create(temp.file("plain-file/below")))
        << "a level that cannot be made is reported";
}
