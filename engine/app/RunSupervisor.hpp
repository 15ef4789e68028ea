#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/app/InputRecorder.hpp"
#include "engine/app/RunOptions.hpp"
#include "engine/app/RunStats.hpp"
#include "engine/app/ScriptPlayer.hpp"

// Everything a run does besides playing: it replays the input script, records
// the player's input, keeps the frame statistics and writes the screenshots
// asked for. The application owns one and calls it at fixed points of every
// frame (script first, statistics and screenshots after drawing) and once
// after the loop ended.
class RunSupervisor {
public:
    // The application as the supervisor sees it: scripted input and the
    // screen on top go through the script sink; the frame is written by it.
    class Host : public ScriptPlayer::Sink {
    public:
        virtual void writeScreenshotPng(const std::string& path) = 0;
    };

    RunSupervisor(const RunOptions& options, std::uint32_t seed);

    // Input comes from the script or the frame driver alone.
    bool isScripted() const { return script_ != nullptr || options_.driver != nullptr; }
    // The script's length of this frame in ms; 0 lets the run take its own step.
    int scriptedFrameLength();
    // The script commands due this frame, or the driver's input, delivered to the host.
    void deliverScriptInput(Host& host);
    // The player's input goes here while a recording is asked for; null otherwise.
    InputRecorder* recorder() { return recorder_.isOpen() ? &recorder_ : nullptr; }
    void recordFrameEnd(int frameMs);
    // Taken with the frame after this one is drawn.
    void requestScreenshot(const std::string& path) { scriptShots_.push_back(path); }
    // Writes the screenshots asked for this frame (by number or by the script).
    void writeScreenshots(long frameNumber, Host& host);
    // The time spent updating and drawing frame number frameNumber.
    void measureFrame(long frameNumber, std::chrono::steady_clock::time_point updateStart,
                      std::chrono::steady_clock::time_point drawStart,
                      std::chrono::steady_clock::time_point drawEnd);
    // True once the script played to its end or the driver finished; a
    // failed expectation is reported and makes the exit code 1.
    bool scriptEnded(int& exitCode) const;
    // Closes the recording and prints or writes the statistics asked for.
    void finish();

private:
    const RunOptions& options_;
    std::unique_ptr<ScriptPlayer> script_;
    std::vector<std::string> scriptShots_;
    InputRecorder recorder_;
    RunStats stats_;
    std::chrono::steady_clock::time_point created_;
};
