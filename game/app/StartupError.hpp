#pragma once

#include <stdexcept>
#include <string>

// The game cannot start: a file it cannot do without is missing or incomplete.
// The message names the file and what is wrong.
class StartupError : public std::runtime_error {
public:
    explicit StartupError(const std::string& message) : std::runtime_error(message) {}
};
