#pragma once

#include <string>
#include <vector>

#include "engine/core/Log.hpp"

// Collects what is written to the diagnostics sink while it lives (from the
// given level up), and puts the previous capture and threshold back when it goes.
class LogCapture {
public:
    explicit LogCapture(Log::Level threshold = Log::Warning)
        : previous_(Log::instance().capture()), previousThreshold_(Log::instance().threshold()) {
        Log::instance().setThreshold(threshold);
        Log::instance().setCapture([this](Log::Level, const std::string& line) { lines_.push_back(line); });
    }
    ~LogCapture() {
        Log::instance().setCapture(previous_);
        Log::instance().setThreshold(previousThreshold_);
    }
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    const std::vector<std::string>& lines() const { return lines_; }
    // Hands over the lines so far and starts a fresh list.
    std::vector<std::string> take() {
        std::vector<std::string> taken;
        taken.swap(lines_);
        return taken;
    }
    // The lines so far as text, each ended by a newline, and a fresh list.
    std::string takeText() {
        std::string text;
        for (const std::string& line : take()) {
            text += line + "\n";
        }
        return text;
    }

private:
    Log::Capture previous_;
    Log::Level previousThreshold_;
    std::vector<std::string> lines_;
};
