#pragma once

#include <SDL/SDL.h>

#include <memory>

// Owners of SDL handles: whoever holds one frees it, exactly once.
struct SurfaceDeleter {
    void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};
using SurfacePtr = std::unique_ptr<SDL_Surface, SurfaceDeleter>;

struct RWopsDeleter {
    void operator()(SDL_RWops* stream) const { SDL_RWclose(stream); }
};
using RWopsPtr = std::unique_ptr<SDL_RWops, RWopsDeleter>;
