#include "engine/app/SDLClock.hpp"

#include <SDL/SDL.h>

std::uint64_t SDLClock::ticks() const {
    return SDL_GetTicks();
}
