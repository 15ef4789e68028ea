#include "engine/audio/MixerError.hpp"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdio>

#include "engine/core/Log.hpp"

void reportMixerError(const char* call, const std::string& path) {
    const std::string error = SDL_GetError();
    if (error.find(path) != std::string::npos) {
        logWarning("%s: %s", call, error.c_str());
    } else {
        logWarning("%s: %s (%s)", call, error.c_str(), path.c_str());
    }
}

bool mixerOpen() {
    int frequency = 0;
    Uint16 format = 0;
    int channels = 0;
    return Mix_QuerySpec(&frequency, &format, &channels) != 0;
}
