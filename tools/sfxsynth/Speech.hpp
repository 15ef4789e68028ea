#pragma once

#include <string>
#include <vector>

// Speaks a line with espeak-ng into a mono signal at the bake's sample rate.
// Returns an empty signal (and says so) when espeak-ng is not available.
std::vector<float> speak(const std::string& text, const std::string& scratchFile);
