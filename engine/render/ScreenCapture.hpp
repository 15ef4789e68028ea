#pragma once

#include "engine/core/SdlPtr.hpp"

// Reads back the frame drawn so far (the area from the window's bottom-left
// corner, width x height pixels) into a new 32-bit RGBA surface with the top
// row first (masks red 0x000000FF, green 0x0000FF00, blue 0x00FF0000, alpha
// 0xFF000000). The caller owns the surface; null when it cannot be made.
SurfacePtr readScreen(int width, int height);
