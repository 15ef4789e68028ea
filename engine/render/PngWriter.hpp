#pragma once

#include <string>

struct SDL_Surface;

// Writes any SDL surface as an 8-bit RGBA PNG (screenshots, test frames).
// A failure prints one line naming the path and returns false.
bool writePng(SDL_Surface* surface, const std::string& path);
