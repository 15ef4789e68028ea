#include "Speech.hpp"

#include <cstdio>
#include <cstdlib>

#include "StereoBuffer.hpp"
#include "WavFile.hpp"

std::vector<float> speak(const std::string& text, const std::string& scratchFile) {
    // A warm, slightly slow female voice reads best over the chime.
    const std::string command = "espeak-ng -v en-gb+f4 -s 128 -p 52 -a 160 -w '" + scratchFile + "' '" + text + "'";
    std::vector<float> spoken;
    int rate = 0;
    if (std::system(command.c_str()) != 0 || !readWavMono(scratchFile, spoken, rate)) {
        std::printf("sfxsynth: espeak-ng could not speak \"%s\"; the cue is a chime only\n", text.c_str());
        return {};
    }
    std::remove(scratchFile.c_str());
    // Linear-interpolation resampling; speech has little energy near the top
    // of its band, so the small aliasing this leaves is inaudible.
    const double step = static_cast<double>(rate) / kSampleRate;
    std::vector<float> out(static_cast<std::size_t>(spoken.size() / step), 0.0f);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double position = i * step;
        const std::size_t index = static_cast<std::size_t>(position);
        const float fraction = static_cast<float>(position - index);
        const float next = index + 1 < spoken.size() ? spoken[index + 1] : 0.0f;
        out[i] = spoken[index] + (next - spoken[index]) * fraction;
    }
    return out;
}
