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

// Where a test leaves a picture for people to look at: build/tmp/NAME, kept
// after the run under the same name every time.
inline std::string pictureFile(const std::string& name) {
    const std::string dir = std::string(CHRONA_BINARY_DIR) + "/tmp/";
    std::filesystem::create_directories(dir);
    return dir + name;
}
