#pragma once

#include <cstdint>

#include "engine/render/Color.hpp"
#include "engine/render/Rect.hpp"

class Image;

// Software drawing into the pixels of a CPU-side image.
class ImageGraphics {
public:
    virtual ~ImageGraphics() = default;
    virtual void fillRect(std::int16_t x, std::int16_t y, std::uint16_t w, std::uint16_t h, const Color& color) = 0;
    virtual void drawImage(int x, int y, Image* source, const Rect& sourceRect, bool useSourceAlpha) = 0;
    virtual void blendImage(int x, int y, Image* source, const Rect& sourceRect, bool r, bool g, bool b, bool a,
                            bool replace, bool subtract) = 0;
};
