#pragma once

#include <stdexcept>
#include <string>

// A file the program cannot do without could not be opened.
class FileNotFoundError : public std::runtime_error {
public:
    explicit FileNotFoundError(const std::string& fileName)
        : std::runtime_error("file not found: " + fileName), fileName_(fileName) {}

    const std::string& fileName() const { return fileName_; }

private:
    std::string fileName_;
};
