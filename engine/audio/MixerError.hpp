#pragma once

#include <string>

// Prints "<call>: <SDL error>" on standard output, adding the file when SDL's
// text does not already name it, so that every failed load names its file.
void reportMixerError(const char* call, const std::string& path);

// Whether SDL_mixer has an open device. Loads and channel calls need one:
// SDL_mixer 1.2 frees its channels on Mix_CloseAudio yet still walks them.
bool mixerOpen();
