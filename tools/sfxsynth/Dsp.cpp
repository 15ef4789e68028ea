#include "Dsp.hpp"

#include <algorithm>
#include <cmath>

Wavetable::Wavetable(const std::vector<float>& partialAmplitudes) : table_(kSize + 1, 0.0f) {
    for (int i = 0; i <= kSize; ++i) {
        double value = 0.0;
        for (std::size_t p = 0; p < partialAmplitudes.size(); ++p) {
            value += partialAmplitudes[p] * std::sin(2.0 * M_PI * (p + 1) * i / kSize);
        }
        table_[i] = static_cast<float>(value);
    }
}

float Wavetable::at(double phase) const {
    const double position = (phase - std::floor(phase)) * kSize;
    const int index = static_cast<int>(position);
    const float fraction = static_cast<float>(position - index);
    return table_[index] + (table_[index + 1] - table_[index]) * fraction;
}

const Wavetable& Wavetable::sine() {
    static const Wavetable table({1.0f});
    return table;
}

OnePole::OnePole(double cutoff)
    : coefficient_(static_cast<float>(1.0 - std::exp(-2.0 * M_PI * cutoff / kSampleRate))) {}

float OnePole::lowPass(float input) {
    state_ += coefficient_ * (input - state_);
    return state_;
}

float OnePole::highPass(float input) {
    return input - lowPass(input);
}

BandPass::BandPass(double centre, double q) {
    const double w = 2.0 * M_PI * centre / kSampleRate;
    const double alpha = std::sin(w) / (2.0 * q);
    const double a0 = 1.0 + alpha;
    b0_ = static_cast<float>(alpha / a0);
    b2_ = static_cast<float>(-alpha / a0);
    a1_ = static_cast<float>(-2.0 * std::cos(w) / a0);
    a2_ = static_cast<float>((1.0 - alpha) / a0);
}

float BandPass::process(float input) {
    const float output = b0_ * input + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
    x2_ = x1_;
    x1_ = input;
    y2_ = y1_;
    y1_ = output;
    return output;
}

namespace {

const int kCombTunings[] = {1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617};
const int kAllPassTunings[] = {556, 441, 341, 225};
const int kStereoSpread = 23;

}  // namespace

Reverb::Reverb(double roomSize, double damping, double wet)
    : feedback_(static_cast<float>(0.7 + 0.28 * roomSize)),
      damp_(static_cast<float>(damping * 0.4)),
      wet_(static_cast<float>(wet)) {
    for (int tuning : kCombTunings) {
        combsLeft_.push_back({std::vector<float>(tuning, 0.0f)});
        combsRight_.push_back({std::vector<float>(tuning + kStereoSpread, 0.0f)});
    }
    for (int tuning : kAllPassTunings) {
        passesLeft_.push_back({std::vector<float>(tuning, 0.0f)});
        passesRight_.push_back({std::vector<float>(tuning + kStereoSpread, 0.0f)});
    }
}

float Reverb::Comb::run(float input, float feedback, float damp) {
    const float output = line[index];
    store = output * (1.0f - damp) + store * damp;
    line[index] = input + store * feedback;
    index = (index + 1) % line.size();
    return output;
}

float Reverb::AllPass::run(float input) {
    const float delayed = line[index];
    line[index] = input + delayed * 0.5f;
    index = (index + 1) % line.size();
    return delayed - input;
}

float Reverb::runSide(float input, std::vector<Comb>& combs, std::vector<AllPass>& passes) {
    float sum = 0.0f;
    for (Comb& comb : combs) {
        sum += comb.run(input, feedback_, damp_);
    }
    for (AllPass& pass : passes) {
        sum = pass.run(sum);
    }
    return sum;
}

void Reverb::process(StereoBuffer& buffer) {
    const float inputGain = 0.015f;
    for (std::size_t i = 0; i < buffer.frames(); ++i) {
        const float input = (buffer.left[i] + buffer.right[i]) * inputGain;
        const float wetLeft = runSide(input, combsLeft_, passesLeft_);
        const float wetRight = runSide(input, combsRight_, passesRight_);
        buffer.left[i] += wet_ * wetLeft;
        buffer.right[i] += wet_ * wetRight;
    }
}

void Reverb::prime(const StereoBuffer& buffer, std::size_t from) {
    const float inputGain = 0.015f;
    for (std::size_t i = from; i < buffer.frames(); ++i) {
        const float input = (buffer.left[i] + buffer.right[i]) * inputGain;
        runSide(input, combsLeft_, passesLeft_);
        runSide(input, combsRight_, passesRight_);
    }
}

float peakOf(const StereoBuffer& buffer) {
    float peak = 0.0f;
    for (std::size_t i = 0; i < buffer.frames(); ++i) {
        peak = std::max({peak, std::fabs(buffer.left[i]), std::fabs(buffer.right[i])});
    }
    return peak;
}

float rmsOf(const StereoBuffer& buffer) {
    double sum = 0.0;
    for (std::size_t i = 0; i < buffer.frames(); ++i) {
        sum += buffer.left[i] * buffer.left[i] + buffer.right[i] * buffer.right[i];
    }
    return buffer.frames() ? static_cast<float>(std::sqrt(sum / (2.0 * buffer.frames()))) : 0.0f;
}

float gatedRmsOf(const StereoBuffer& buffer) {
    const std::size_t block = framesOf(0.01);
    std::vector<double> energies;
    for (std::size_t start = 0; start < buffer.frames(); start += block) {
        double sum = 0.0;
        const std::size_t end = std::min(buffer.frames(), start + block);
        for (std::size_t i = start; i < end; ++i) {
            sum += buffer.left[i] * buffer.left[i] + buffer.right[i] * buffer.right[i];
        }
        energies.push_back(sum / (2.0 * (end - start)));
    }
    const double loudest = energies.empty() ? 0.0 : *std::max_element(energies.begin(), energies.end());
    double sum = 0.0;
    int counted = 0;
    for (double energy : energies) {
        if (energy >= loudest * 0.001) {
            sum += energy;
            ++counted;
        }
    }
    return counted ? static_cast<float>(std::sqrt(sum / counted)) : 0.0f;
}

void trimAndFade(StereoBuffer& buffer, double maxSeconds) {
    const float threshold = peakOf(buffer) * 0.01f;
    std::size_t end = std::min(buffer.frames(), framesOf(maxSeconds));
    while (end > 0 && std::fabs(buffer.left[end - 1]) < threshold &&
           std::fabs(buffer.right[end - 1]) < threshold) {
        --end;
    }
    buffer.resize(end);
    const std::size_t in = std::min(framesOf(0.002), end);
    const std::size_t out = std::min(framesOf(std::clamp(0.25 * end / kSampleRate, 0.02, 0.35)), end);
    for (std::size_t i = 0; i < in; ++i) {
        const float gain = static_cast<float>(i) / in;
        buffer.left[i] *= gain;
        buffer.right[i] *= gain;
    }
    for (std::size_t i = 0; i < out; ++i) {
        const float gain = 0.5f * (1.0f + std::cos(static_cast<float>(M_PI) * (i + 1) / out));
        buffer.left[end - out + i] *= gain;
        buffer.right[end - out + i] *= gain;
    }
}

void normalise(StereoBuffer& buffer, float targetRms, float ceiling) {
    const float rms = gatedRmsOf(buffer);
    const float peak = peakOf(buffer);
    if (rms <= 0.0f || peak <= 0.0f) {
        return;
    }
    const float gain = std::min(targetRms / rms, ceiling / peak);
    for (std::size_t i = 0; i < buffer.frames(); ++i) {
        buffer.left[i] *= gain;
        buffer.right[i] *= gain;
    }
}
