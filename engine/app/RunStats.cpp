#include "engine/app/RunStats.hpp"

#include <algorithm>
#include <cstdio>
#include <sstream>

void RunStats::addFrame(std::int64_t updateMicros, std::int64_t drawMicros) {
    updates_.push_back(updateMicros);
    draws_.push_back(drawMicros);
}

void RunStats::sampleTextures(long liveTextures, long textureBytes) {
    peakTextures_ = std::max(peakTextures_, liveTextures);
    peakTextureBytes_ = std::max(peakTextureBytes_, textureBytes);
}

RunStats::Spread RunStats::spread(std::vector<std::int64_t> samples) {
    Spread s;
    if (samples.empty()) {
        return s;
    }
    std::sort(samples.begin(), samples.end());
    const std::size_t n = samples.size();
    s.median = n % 2 ? samples[n / 2] : (samples[n / 2 - 1] + samples[n / 2]) / 2;
    const std::size_t rank = (95 * n + 99) / 100;  // nearest rank, 1-based
    s.p95 = samples[rank - 1];
    s.max = samples.back();
    return s;
}

std::string RunStats::text() const {
    const Spread u = updateSpread();
    const Spread d = drawSpread();
    char buffer[1024];
    std::snprintf(buffer, sizeof(buffer),
                  "Run statistics\n"
                  "  first frame drawn after: %.1f ms\n"
                  "  frames: %ld\n"
                  "  update per frame: median %lld us, 95th percentile %lld us, max %lld us\n"
                  "  draw per frame: median %lld us, 95th percentile %lld us, max %lld us\n"
                  "  live textures at peak: %ld\n"
                  "  texture memory at peak: %.1f MiB (%ld bytes)\n"
                  "  peak resident memory: %.1f MiB\n",
                  firstFrameMs_, frames(), static_cast<long long>(u.median), static_cast<long long>(u.p95),
                  static_cast<long long>(u.max), static_cast<long long>(d.median), static_cast<long long>(d.p95),
                  static_cast<long long>(d.max), peakTextures_, peakTextureBytes_ / 1048576.0, peakTextureBytes_,
                  peakResidentKiB_ / 1024.0);
    return buffer;
}

std::string RunStats::json() const {
    const Spread u = updateSpread();
    const Spread d = drawSpread();
    std::ostringstream out;
    out << "{\n"
        << "  \"first_frame_ms\": " << firstFrameMs_ << ",\n"
        << "  \"frames\": " << frames() << ",\n"
        << "  \"update_us\": {\"median\": " << u.median << ", \"p95\": " << u.p95 << ", \"max\": " << u.max << "},\n"
        << "  \"draw_us\": {\"median\": " << d.median << ", \"p95\": " << d.p95 << ", \"max\": " << d.max << "},\n"
        << "  \"peak_live_textures\": " << peakTextures_ << ",\n"
        << "  \"peak_texture_bytes\": " << peakTextureBytes_ << ",\n"
        << "  \"peak_resident_kib\": " << peakResidentKiB_ << "\n"
        << "}\n";
    return out.str();
}
