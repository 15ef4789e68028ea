#pragma once

#include <string>

#include "StereoBuffer.hpp"

// Encodes a stereo buffer as Ogg Vorbis (VBR at the given quality, -0.1..1).
bool writeOgg(const std::string& path, const StereoBuffer& audio, float quality);
