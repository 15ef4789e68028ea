#pragma once

#include <cstddef>
#include <vector>

constexpr int kSampleRate = 44100;

inline std::size_t framesOf(double seconds) {
    return static_cast<std::size_t>(seconds * kSampleRate + 0.5);
}

// Two channels of float samples at kSampleRate; full scale is 1.0.
struct StereoBuffer {
    std::vector<float> left;
    std::vector<float> right;

    StereoBuffer() = default;
    explicit StereoBuffer(std::size_t frames) : left(frames, 0.0f), right(frames, 0.0f) {}

    std::size_t frames() const { return left.size(); }
    double seconds() const { return static_cast<double>(frames()) / kSampleRate; }
    void resize(std::size_t frames) {
        left.resize(frames, 0.0f);
        right.resize(frames, 0.0f);
    }
    // Mixes a mono signal in at a frame offset with an equal-power pan in [-1, 1],
    // growing the buffer when the signal runs past its end.
    void add(const std::vector<float>& mono, std::size_t offset, float gain, float pan);
    // Mixes another stereo buffer in at a frame offset.
    void add(const StereoBuffer& other, std::size_t offset, float gain);
};
