#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Figures of one run for comparing builds: start-up time, frame count,
// update and draw times per frame, texture and memory peaks.
class RunStats {
public:
    struct Spread {
        std::int64_t median = 0;
        std::int64_t p95 = 0;
        std::int64_t max = 0;
    };

    void setFirstFrameMs(double ms) { firstFrameMs_ = ms; }
    void addFrame(std::int64_t updateMicros, std::int64_t drawMicros);
    void sampleTextures(long liveTextures, long textureBytes);
    void setPeakResidentKiB(long kib) { peakResidentKiB_ = kib; }

    long frames() const { return static_cast<long>(updates_.size()); }
    Spread updateSpread() const { return spread(updates_); }
    Spread drawSpread() const { return spread(draws_); }
    long peakTextures() const { return peakTextures_; }
    long peakTextureBytes() const { return peakTextureBytes_; }

    std::string text() const;
    std::string json() const;

    // Median, 95th percentile (nearest rank) and maximum of the samples.
    static Spread spread(std::vector<std::int64_t> samples);

private:
    double firstFrameMs_ = 0.0;
    std::vector<std::int64_t> updates_;
    std::vector<std::int64_t> draws_;
    long peakTextures_ = 0;
    long peakTextureBytes_ = 0;
    long peakResidentKiB_ = 0;
};
