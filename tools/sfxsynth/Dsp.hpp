#pragma once

#include <cmath>
#include <cstdint>
#include <vector>

#include "StereoBuffer.hpp"

// Small signal-processing blocks shared by the effects and the music.

// Deterministic white noise in [-1, 1]: every bake gives the same files.
class Noise {
public:
    explicit Noise(std::uint32_t seed) : state_(seed ? seed : 1u) {}
    float next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return static_cast<float>(state_) / 2147483648.0f - 1.0f;
    }
    // A uniform number in [0, 1).
    double unit() { return (next() + 1.0f) * 0.5f * 0.9999999; }
    int below(int count) { return static_cast<int>(unit() * count); }

private:
    std::uint32_t state_;
};

// One period of a harmonic spectrum, read with linear interpolation: a cheap
// oscillator for tones whose partials are whole multiples of the fundamental.
class Wavetable {
public:
    explicit Wavetable(const std::vector<float>& partialAmplitudes);
    // Value at a phase in cycles (any real number).
    float at(double phase) const;
    static const Wavetable& sine();

private:
    static constexpr int kSize = 4096;
    std::vector<float> table_;
};

// First-order low-pass and high-pass filters, cutoff in Hz.
class OnePole {
public:
    explicit OnePole(double cutoff);
    float lowPass(float input);
    float highPass(float input);

private:
    float coefficient_;
    float state_ = 0.0f;
};

// Resonant band-pass (RBJ biquad, constant peak gain).
class BandPass {
public:
    BandPass(double centre, double q);
    float process(float input);

private:
    float b0_, b2_, a1_, a2_;
    float x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// A Schroeder-Moorer reverb (eight damped combs and four all-passes per
// side, after Freeverb). process() replaces the buffer with dry + wet.
class Reverb {
public:
    Reverb(double roomSize, double damping, double wet);
    void process(StereoBuffer& buffer);
    // Runs a passage through the reverb without keeping the output, so that a
    // looping piece starts with the tail its own ending leaves.
    void prime(const StereoBuffer& buffer, std::size_t from);

private:
    struct Comb {
        std::vector<float> line;
        std::size_t index = 0;
        float store = 0;
        float run(float input, float feedback, float damp);
    };
    struct AllPass {
        std::vector<float> line;
        std::size_t index = 0;
        float run(float input);
    };
    float runSide(float input, std::vector<Comb>& combs, std::vector<AllPass>& passes);

    float feedback_;
    float damp_;
    float wet_;
    std::vector<Comb> combsLeft_, combsRight_;
    std::vector<AllPass> passesLeft_, passesRight_;
};

// Envelope pieces, time in seconds.
inline float attackDecay(double t, double attack, double decay) {
    if (t < 0) return 0.0f;
    if (t < attack) return static_cast<float>(t / attack);
    return static_cast<float>(std::exp(-(t - attack) / decay));
}

float peakOf(const StereoBuffer& buffer);
float rmsOf(const StereoBuffer& buffer);
// RMS over the 10 ms blocks within 30 dB of the loudest one: the loudness of
// what is heard, whatever the length of a quiet tail.
float gatedRmsOf(const StereoBuffer& buffer);
// Cuts the sound once it stays 40 dB below its peak, or at maxSeconds, and
// fades both ends (a short attack ramp, a raised-cosine tail) so nothing clicks.
void trimAndFade(StereoBuffer& buffer, double maxSeconds);
// Scales to the target gated RMS, but never above the peak ceiling (both linear).
void normalise(StereoBuffer& buffer, float targetRms, float ceiling);
