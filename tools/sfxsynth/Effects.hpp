#pragma once

#include <string>
#include <vector>

#include "StereoBuffer.hpp"

// One baked sound effect: the catalogue name it is played under, the file it
// goes to, and the finished audio (trimmed, faded, normalised).
struct BakedEffect {
    std::string name;
    std::string file;
    StereoBuffer audio;
};

// Every effect the game plays by name, with two or three variants for the
// ones heard most often. workDir takes the speech synthesiser's scratch files.
std::vector<BakedEffect> bakeEffects(const std::string& workDir);

// Loudness every effect is brought to (RMS, linear) and the peak it never exceeds.
constexpr float kEffectRms = 0.1f;
constexpr float kPeakCeiling = 0.89f;
