#pragma once

#include <string>
#include <vector>

#include "StereoBuffer.hpp"

// 16-bit PCM RIFF files: the baked effects are written this way, and the
// speech synthesiser's output is read back.
bool writeWav(const std::string& path, const StereoBuffer& audio);
// Reads a 16-bit PCM file, mixing its channels to mono; false when the file
// is missing or not of that kind.
bool readWavMono(const std::string& path, std::vector<float>& samples, int& rate);
