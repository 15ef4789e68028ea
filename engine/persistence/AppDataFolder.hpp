#pragma once

#include <string>

// Where the game keeps what outlives a run (the save file, screenshots): the
// per-user application-data folder and the folders under it.
class AppDataFolder {
public:
    // overrideDir when it is set (the --save-dir option); otherwise
    // $XDG_DATA_HOME when it is an absolute path, else ~/.local/share.
    static std::string base(const std::string& overrideDir);

    // Creates path level by level (an existing level is no error); true when
    // the whole path is a directory afterwards.
    static bool create(const std::string& path);

    // base + "/" + folder + "/" + fileName, after creating base + "/" + folder.
    static std::string saveFilePath(const std::string& base, const std::string& folder, const std::string& fileName);
};
