#pragma once

#include <functional>
#include <string>

#include "engine/core/SingletonContainer.hpp"

// The one sink of the program's diagnostics. A line has a level; lines below
// the threshold are dropped. By default only warnings and errors reach
// standard output (a content problem reads "FILE:LINE: what is wrong");
// trace lines need --verbose or CHRONA_LOG=debug. Tests install a capture to
// read what was written instead of catching standard output.
class Log : public SingletonContainer<Log> {
public:
    enum Level { Debug = 0, Info = 1, Warning = 2, Error = 3 };
    using Capture = std::function<void(Level, const std::string&)>;

    void setThreshold(Level level) { threshold_ = level; }
    Level threshold() const { return threshold_; }
    bool enabled(Level level) const { return level >= threshold_; }

    // Applies CHRONA_LOG (debug, info, warning, error) when it is set.
    void applyEnvironment();

    // While a capture is installed, lines at or above the threshold go to it
    // instead of standard output.
    void setCapture(Capture capture) { capture_ = std::move(capture); }
    const Capture& capture() const { return capture_; }

    void write(Level level, const std::string& line);

private:
    Level threshold_ = Warning;
    Capture capture_;
};

// printf-style shorthands; the line gets no prefix and a newline is added.
void logDebug(const char* format, ...) __attribute__((format(printf, 1, 2)));
void logInfo(const char* format, ...) __attribute__((format(printf, 1, 2)));
void logWarning(const char* format, ...) __attribute__((format(printf, 1, 2)));
void logError(const char* format, ...) __attribute__((format(printf, 1, 2)));
