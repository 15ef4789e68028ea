#pragma once

#include <string>
#include <vector>

#include "engine/core/Log.hpp"

// Collects what is written to the diagnostics sink while it lives, and puts
// the previous capture back when it goes.
class LogCapture {
public:
    LogCapture() : previous_(Log::instance().capture()) {
        Log::instance().setCapture([this](Log::Level, const std::string& line) { lines_.push_back(line); });
    }
    ~LogCapture() { Log::instance().setCapture(previous_); }
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    const std::vector<std::string>& lines() const { return lines_; }
    // Hands over the lines so far and starts a fresh list.
    std::vector<std::string> take() {
        std::vector<std::string> taken;
        taken.swap(lines_);
        return taken;
    }

private:
    Log::Capture previous_;
    std::vector<std::string> lines_;
};
