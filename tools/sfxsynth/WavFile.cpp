#include "WavFile.hpp"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <fstream>

namespace {

void put16(std::ofstream& out, std::uint16_t value) {
    const char bytes[2] = {static_cast<char>(value & 0xFF), static_cast<char>(value >> 8)};
    out.write(bytes, 2);
}

void put32(std::ofstream& out, std::uint32_t value) {
    put16(out, static_cast<std::uint16_t>(value & 0xFFFF));
    put16(out, static_cast<std::uint16_t>(value >> 16));
}

std::uint32_t get32(const unsigned char* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

std::uint16_t get16(const unsigned char* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

std::int16_t quantise(float value) {
    return static_cast<std::int16_t>(std::lrint(std::clamp(value, -1.0f, 1.0f) * 32767.0f));
}

}  // namespace

bool writeWav(const std::string& path, const StereoBuffer& audio) {
    std::ofstream out(path, std::ios::binary);
    if (!out) {
        return false;
    }
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(audio.frames() * 4);
    out.write("RIFF", 4);
    put32(out, 36 + dataBytes);
    out.write("WAVEfmt ", 8);
    put32(out, 16);
    put16(out, 1);
    put16(out, 2);
    put32(out, kSampleRate);
    put32(out, kSampleRate * 4);
    put16(out, 4);
    put16(out, 16);
    out.write("data", 4);
    put32(out, dataBytes);
    for (std::size_t i = 0; i < audio.frames(); ++i) {
        put16(out, static_cast<std::uint16_t>(quantise(audio.left[i])));
        put16(out, static_cast<std::uint16_t>(quantise(audio.right[i])));
    }
    return static_cast<bool>(out);
}

bool readWavMono(const std::string& path, std::vector<float>& samples, int& rate) {
    std::ifstream in(path, std::ios::binary);
    std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (bytes.size() < 12 || std::memcmp(bytes.data(), "RIFF", 4) != 0 ||
        std::memcmp(bytes.data() + 8, "WAVE", 4) != 0) {
        return false;
    }
    int channels = 0;
    int bits = 0;
    std::size_t at = 12;
    while (at + 8 <= bytes.size()) {
        const std::uint32_t size = get32(bytes.data() + at + 4);
        const std::size_t body = at + 8;
        if (std::memcmp(bytes.data() + at, "fmt ", 4) == 0 && size >= 16 && body + 16 <= bytes.size()) {
            channels = get16(bytes.data() + body + 2);
            rate = static_cast<int>(get32(bytes.data() + body + 4));
            bits = get16(bytes.data() + body + 14);
        } else if (std::memcmp(bytes.data() + at, "data", 4) == 0) {
            if (channels <= 0 || bits != 16 || rate <= 0) {
                return false;
            }
            // espeak writes a streaming header whose data size may be a placeholder.
            const std::size_t end = std::min<std::size_t>(bytes.size(), body + size);
            samples.clear();
            for (std::size_t p = body; p + 2 * channels <= end; p += 2 * channels) {
                float sum = 0.0f;
                for (int c = 0; c < channels; ++c) {
                    sum += static_cast<std::int16_t>(get16(bytes.data() + p + 2 * c)) / 32768.0f;
                }
                samples.push_back(sum / channels);
            }
            return !samples.empty();
        }
        at = body + size + (size & 1);
    }
    return false;
}
