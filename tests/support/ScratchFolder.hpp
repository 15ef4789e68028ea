#pragma once

#include <unistd.h>

#include <filesystem>
#include <string>

// A folder under the build tree for files a test writes and reads back, one
// per test process: CTest runs tests side by side, and two tests rewriting
// one file while the other reads it fail at random. Ends with "/".
inline std::string scratchFolder(const std::string& name) {
    const std::string dir =
        std::string(CHRONA_BINARY_DIR) + "/tmp/" + name + "-" + std::to_string(getpid()) + "/";
    std::filesystem::create_directories(dir);
    return dir;
}
