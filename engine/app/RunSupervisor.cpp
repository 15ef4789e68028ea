#include "engine/app/RunSupervisor.hpp"

#include <sys/resource.h>

#include <fstream>
#include <iostream>

#include "engine/app/FrameDriver.hpp"
#include "engine/core/Log.hpp"
#include "engine/render/GLTexture.hpp"

RunSupervisor::RunSupervisor(const RunOptions& options, std::uint32_t seed)
    : options_(options), created_(std::chrono::steady_clock::now()) {
    if (options.hasScript) {
        script_ = std::make_unique<ScriptPlayer>(options.script);
    }
    if (!options.recordFile.empty()) {
        recorder_.open(options.recordFile, seed);
    }
}

int RunSupervisor::scriptedFrameLength() {
    return script_ ? script_->beginFrame() : 0;
}

void RunSupervisor::deliverScriptInput(Host& host) {
    if (script_) {
        script_->runDue(host);
    } else if (options_.driver) {
        options_.driver->beginFrame(host);
    }
}

void RunSupervisor::recordFrameEnd(int frameMs) {
    if (recorder_.isOpen()) {
        recorder_.endFrame(frameMs);
    }
}

void RunSupervisor::writeScreenshots(long frameNumber, Host& host) {
    for (const auto& shot : options_.screenshots) {
        if (shot.first == frameNumber) {
            host.writeScreenshotPng(shot.second);
        }
    }
    for (const std::string& path : scriptShots_) {
        host.writeScreenshotPng(path);
    }
    scriptShots_.clear();
}

void RunSupervisor::measureFrame(long frameNumber, std::chrono::steady_clock::time_point updateStart,
                                 std::chrono::steady_clock::time_point drawStart,
                                 std::chrono::steady_clock::time_point drawEnd) {
    if (frameNumber == 1) {
        stats_.setFirstFrameMs(std::chrono::duration<double, std::milli>(drawEnd - created_).count());
    }
    stats_.addFrame(std::chrono::duration_cast<std::chrono::microseconds>(drawStart - updateStart).count(),
                    std::chrono::duration_cast<std::chrono::microseconds>(drawEnd - drawStart).count());
    stats_.sampleTextures(GLTexture::liveCount(), GLTexture::textureMemory());
}

bool RunSupervisor::scriptEnded(int& exitCode) const {
    if (options_.driver) {
        return options_.driver->finished();
    }
    if (!script_ || !script_->finished()) {
        return false;
    }
    if (!script_->failure().empty()) {
        logError("Script failed at %s", script_->failure().c_str());
        exitCode = 1;
    }
    return true;
}

void RunSupervisor::finish() {
    recorder_.close();
    if (!options_.stats && options_.statsJson.empty()) {
        return;
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    stats_.setPeakResidentKiB(usage.ru_maxrss);
    if (options_.stats) {
        std::cout << stats_.text() << std::flush;
    }
    if (!options_.statsJson.empty()) {
        std::ofstream out(options_.statsJson);
        out << stats_.json();
        if (!out) {
            logWarning("Cannot write the statistics to %s", options_.statsJson.c_str());
        }
    }
}
