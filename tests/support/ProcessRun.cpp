#include "support/ProcessRun.hpp"

#include <sys/wait.h>

#include <array>
#include <cstdio>

ProcessRun ProcessRun::run(const std::string& command) {
    ProcessRun result;
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (!pipe) {
        return result;
    }
    std::array<char, 4096> buffer{};
    std::size_t n = 0;
    while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0) {
        result.output.append(buffer.data(), n);
    }
    const int status = pclose(pipe);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

std::string ProcessRun::chrona() {
    return std::string(CHRONA_BINARY_DIR) + "/chrona";
}
