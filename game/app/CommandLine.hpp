#pragma once

#include <string>
#include <vector>

#include "engine/app/RunOptions.hpp"

// The options of the chrona command. parse() never exits: the caller acts on
// the result (help and version texts, errors with exit code 2).
struct CommandLine {
    enum class Outcome { Run, Help, Version, Error, CheckContent };

    Outcome outcome = Outcome::Run;
    std::string error;
    RunOptions run;
    std::string scriptFile;  // read by the caller into run.script
    bool verbose = false;  // --verbose: trace lines too
    std::string checkFolder;  // --check-content: the folder to check, empty for the default

    static CommandLine parse(const std::vector<std::string>& args);
    static std::string helpText();
};
