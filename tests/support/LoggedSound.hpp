#pragma once

#include <string>
#include <utility>
#include <vector>

#include "engine/audio/Sound.hpp"

// A sound that writes its name into a log when played.
class LoggedSound : public Sound {
public:
    LoggedSound(std::string name, std::vector<std::string>& log, int length = 0)
        : name_(std::move(name)), log_(log), length_(length) {}
    void load() override {}
    void play() override { log_.push_back(name_); }
    void play(int) override { log_.push_back(name_); }
    void fadeIn(int, int) override {}
    void fadeOut(int) override {}
    void stop() override {}
    bool isPlaying() override { return false; }
    int getLength() const override { return length_; }

private:
    std::string name_;
    std::vector<std::string>& log_;
    int length_;
};
