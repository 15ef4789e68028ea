#pragma once

#include <string>

// Runs a shell command and keeps what it printed (standard output and error
// together) and its exit code.
struct ProcessRun {
    int exitCode = -1;
    std::string output;

    static ProcessRun run(const std::string& command);
    // The path of the built game, build/chrona.
    static std::string chrona();
};
