#pragma once

#include <string>

// Prints "<call>: <SDL error>" on standard output, adding the file when SDL's
// text does not already name it, so that every failed load names its file.
void reportMixerError(const char* call, const std::string& path);
