#include "Voices.hpp"

#include <algorithm>
#include <cmath>

namespace voices {

namespace {

// A sum of decaying sine partials: ratios to the fundamental, amplitudes and
// decay times; partials above 18 kHz are left out.
struct Partial {
    double ratio;
    double amplitude;
    double decay;
};

std::vector<float> additive(double hz, double velocity, double attack, const std::vector<Partial>& partials) {
    double longest = 0.0;
    for (const Partial& p : partials) {
        longest = std::max(longest, p.decay);
    }
    std::vector<float> out(framesOf(attack + longest * 6.9), 0.0f);
    const Wavetable& sine = Wavetable::sine();
    for (const Partial& p : partials) {
        const double f = hz * p.ratio;
        if (f > 18000.0) {
            continue;
        }
        const double step = f / kSampleRate;
        const double fall = std::exp(-1.0 / (p.decay * kSampleRate));
        const std::size_t frames = std::min(out.size(), framesOf(attack + p.decay * 6.9));
        const std::size_t attackFrames = std::max<std::size_t>(1, framesOf(attack));
        double level = p.amplitude * velocity;
        for (std::size_t i = 0; i < frames; ++i) {
            const double rise = i < attackFrames ? static_cast<double>(i) / attackFrames : 1.0;
            out[i] += static_cast<float>(sine.at(step * i) * level * rise);
            if (i >= attackFrames) {
                level *= fall;
            }
        }
    }
    return out;
}

}  // namespace

double midiToHz(double midi) {
    return 440.0 * std::pow(2.0, (midi - 69.0) / 12.0);
}

std::vector<float> celesta(double hz, double velocity) {
    const double body = std::clamp(1.6 * 440.0 / hz, 0.5, 2.2);
    return additive(hz, velocity, 0.002,
                    {{1.0, 0.75, body * 0.45}, {2.0, 0.2, body * 0.22}, {3.0, 0.07, body * 0.12},
                     {4.02, 0.1, body * 0.08}, {6.1, 0.03, 0.05}});
}

std::vector<float> musicBox(double hz, double velocity) {
    return additive(hz, velocity, 0.001,
                    {{1.0, 0.7, 0.9}, {3.0, 0.18, 0.35}, {5.97, 0.09, 0.15}, {9.3, 0.05, 0.06}});
}

std::vector<float> harp(double hz, double velocity, double decaySeconds, Noise& noise) {
    // Averaging the oldest sample with its successor delays by the line length
    // less half a sample; the all-pass adds the fraction that makes up one
    // period of the note.
    const double period = static_cast<double>(kSampleRate) / hz;
    std::size_t length = static_cast<std::size_t>(period + 0.5);
    double fraction = period + 0.5 - static_cast<double>(length);
    if (fraction < 0.1) {
        --length;
        fraction += 1.0;
    }
    const float allPass = static_cast<float>((1.0 - fraction) / (1.0 + fraction));
    // Loop gain per period chosen so the note falls by 60 dB over decaySeconds.
    const float loss = static_cast<float>(std::pow(0.001, period / (decaySeconds * kSampleRate)));
    std::vector<float> line(length, 0.0f);
    OnePole soften(std::min(hz * 6.0, 9000.0));
    float mean = 0.0f;
    for (float& value : line) {
        value = soften.lowPass(noise.next());
        mean += value / static_cast<float>(length);
    }
    for (float& value : line) {
        value -= mean;
    }
    std::vector<float> out(framesOf(decaySeconds + 0.05), 0.0f);
    std::size_t index = 0;
    float lastIn = 0.0f;
    float lastOut = 0.0f;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const std::size_t next = (index + 1) % length;
        out[i] = line[index] * static_cast<float>(velocity) * 1.6f;
        const float averaged = loss * 0.5f * (line[index] + line[next]);
        const float tuned = allPass * averaged + lastIn - allPass * lastOut;
        lastIn = averaged;
        lastOut = tuned;
        line[index] = tuned;
        index = next;
    }
    return out;
}

std::vector<float> strings(double hz, double duration, double velocity, double phaseSeed) {
    static const Wavetable tone({1.0f, 0.5f, 0.3f, 0.18f, 0.1f, 0.06f, 0.03f});
    const double attack = 0.45;
    const double release = 0.9;
    std::vector<float> out(framesOf(duration + release), 0.0f);
    const double detune[] = {-0.0035, 0.0, 0.0042};
    const std::size_t held = framesOf(duration);
    for (int voice = 0; voice < 3; ++voice) {
        double phase = phaseSeed * (voice + 1) * 0.37;
        for (std::size_t i = 0; i < out.size(); ++i) {
            const double t = static_cast<double>(i) / kSampleRate;
            const double vibrato = 1.0 + 0.0025 * Wavetable::sine().at((5.1 + voice * 0.4) * t);
            phase += hz * (1.0 + detune[voice]) * vibrato / kSampleRate;
            double envelope = std::min(1.0, t / attack);
            if (i >= held) {
                envelope *= std::exp(-(t - duration) / (release / 5.0));
            }
            out[i] += static_cast<float>(tone.at(phase) * envelope * velocity / 3.0 * 0.55);
        }
    }
    return out;
}

std::vector<float> flute(double hz, double duration, double velocity, Noise& noise) {
    static const Wavetable tone({1.0f, 0.22f, 0.08f, 0.03f});
    const double release = 0.18;
    std::vector<float> out(framesOf(duration + release), 0.0f);
    OnePole breathFilter(2500.0);
    double phase = 0.0;
    const std::size_t held = framesOf(duration);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double depth = 0.006 * std::min(1.0, std::max(0.0, (t - 0.25) / 0.4));
        phase += hz * (1.0 + depth * Wavetable::sine().at(5.3 * t)) / kSampleRate;
        double envelope = std::min(1.0, t / 0.06);
        if (i >= held) {
            envelope *= std::exp(-(t - duration) / (release / 5.0));
        }
        const double breath = breathFilter.lowPass(noise.next()) * (0.25 + 0.6 * std::exp(-t / 0.05));
        out[i] = static_cast<float>((tone.at(phase) * 0.8 + breath * 0.5) * envelope * velocity);
    }
    return out;
}

std::vector<float> bass(double hz, double duration, double velocity) {
    static const Wavetable tone({1.0f, 0.35f, 0.1f, 0.04f});
    const double release = 0.25;
    std::vector<float> out(framesOf(duration + release), 0.0f);
    const std::size_t held = framesOf(duration);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        double envelope = std::min(1.0, t / 0.012) * (0.55 + 0.45 * std::exp(-t / 0.35));
        if (i >= held) {
            envelope *= std::exp(-(t - duration) / (release / 5.0));
        }
        out[i] = static_cast<float>(tone.at(hz * t) * envelope * velocity * 0.8);
    }
    return out;
}

std::vector<float> bell(double hz, double velocity, double ratio, double index, double decaySeconds) {
    const Wavetable& sine = Wavetable::sine();
    std::vector<float> out(framesOf(decaySeconds * 6.0), 0.0f);
    const double modulatorHz = hz * ratio;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double amplitude = std::min(1.0, t / 0.002) * std::exp(-t / decaySeconds);
        const double modulation = index * std::exp(-t / (decaySeconds * 0.4)) * sine.at(modulatorHz * t);
        out[i] = static_cast<float>(sine.at(hz * t + modulation / (2.0 * M_PI)) * amplitude * velocity * 0.8);
    }
    return out;
}

std::vector<float> kick(double velocity) {
    std::vector<float> out(framesOf(0.45), 0.0f);
    double phase = 0.0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        phase += (48.0 + 60.0 * std::exp(-t / 0.03)) / kSampleRate;
        out[i] = static_cast<float>(Wavetable::sine().at(phase) * std::min(1.0, t / 0.003) *
                                    std::exp(-t / 0.12) * velocity);
    }
    return out;
}

std::vector<float> shaker(double velocity, Noise& noise) {
    std::vector<float> out(framesOf(0.12), 0.0f);
    OnePole low(7000.0);
    OnePole high(4500.0);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double envelope = std::min(1.0, t / 0.012) * std::exp(-t / 0.025);
        out[i] = static_cast<float>(high.highPass(low.lowPass(noise.next())) * envelope * velocity * 1.5);
    }
    return out;
}

std::vector<float> frameDrum(double hz, double velocity, Noise& noise) {
    std::vector<float> out(framesOf(0.7), 0.0f);
    BandPass skin(hz * 2.6, 3.0);
    double phase = 0.0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        phase += hz * (1.0 + 0.3 * std::exp(-t / 0.04)) / kSampleRate;
        const double body = Wavetable::sine().at(phase) * std::exp(-t / 0.16);
        const double slap = skin.process(noise.next()) * std::exp(-t / 0.02);
        out[i] = static_cast<float>((body * 0.8 + slap * 0.9) * std::min(1.0, t / 0.002) * velocity);
    }
    return out;
}

std::vector<float> click(double centreHz, double q, double seconds, double velocity, Noise& noise) {
    std::vector<float> out(framesOf(seconds), 0.0f);
    BandPass body(centreHz, q);
    const double decay = seconds / 6.0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double excitation = t < 0.0015 ? noise.next() : 0.0;
        out[i] = static_cast<float>(body.process(static_cast<float>(excitation)) * std::exp(-t / decay) *
                                    velocity * q * 0.6);
    }
    return out;
}

std::vector<float> swish(double fromHz, double toHz, double seconds, double velocity, Noise& noise) {
    std::vector<float> out(framesOf(seconds), 0.0f);
    for (std::size_t i = 0; i < out.size(); ++i) {
        out[i] = noise.next();
    }
    // The band moves in steps of 5 ms; each step gets a fresh filter primed on
    // the running signal so the sweep stays smooth.
    std::vector<float> shaped(out.size(), 0.0f);
    const std::size_t block = framesOf(0.005);
    float last1 = 0, last2 = 0;
    for (std::size_t start = 0; start < out.size(); start += block) {
        const double x = static_cast<double>(start) / out.size();
        const double centre = fromHz * std::pow(toHz / fromHz, x);
        const double w = 2.0 * M_PI * centre / kSampleRate;
        const double alpha = std::sin(w) / (2.0 * 2.0);
        const double a0 = 1.0 + alpha;
        const float b0 = static_cast<float>(alpha / a0);
        const float a1 = static_cast<float>(-2.0 * std::cos(w) / a0);
        const float a2 = static_cast<float>((1.0 - alpha) / a0);
        for (std::size_t i = start; i < std::min(out.size(), start + block); ++i) {
            const float x2 = i >= 2 ? out[i - 2] : 0.0f;
            const float y = b0 * out[i] - b0 * x2 - a1 * last1 - a2 * last2;
            last2 = last1;
            last1 = y;
            const double t = static_cast<double>(i) / out.size();
            shaped[i] = static_cast<float>(y * std::sin(M_PI * t) * velocity * 2.5);
        }
    }
    return shaped;
}

}  // namespace voices
