#include "engine/audio/MixerError.hpp"

#include <SDL.h>

#include <cstdio>

void reportMixerError(const char* call, const std::string& path) {
    const std::string error = SDL_GetError();
    if (error.find(path) != std::string::npos) {
        std::printf("%s: %s\n", call, error.c_str());
    } else {
        std::printf("%s: %s (%s)\n", call, error.c_str(), path.c_str());
    }
}
