#include "StereoBuffer.hpp"

#include <cmath>

void StereoBuffer::add(const std::vector<float>& mono, std::size_t offset, float gain, float pan) {
    if (offset + mono.size() > frames()) {
        resize(offset + mono.size());
    }
    const double angle = (pan + 1.0) * M_PI / 4.0;
    const float gainLeft = gain * static_cast<float>(std::cos(angle));
    const float gainRight = gain * static_cast<float>(std::sin(angle));
    for (std::size_t i = 0; i < mono.size(); ++i) {
        left[offset + i] += mono[i] * gainLeft;
        right[offset + i] += mono[i] * gainRight;
    }
}

void StereoBuffer::add(const StereoBuffer& other, std::size_t offset, float gain) {
    if (offset + other.frames() > frames()) {
        resize(offset + other.frames());
    }
    for (std::size_t i = 0; i < other.frames(); ++i) {
        left[offset + i] += other.left[i] * gain;
        right[offset + i] += other.right[i] * gain;
    }
}
