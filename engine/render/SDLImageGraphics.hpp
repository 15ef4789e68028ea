#pragma once

#include "engine/render/ImageGraphics.hpp"

class SDLSurfaceImage;

// Software drawing into the surface of an SDLSurfaceImage, which owns this
// object. blendImage and addImage work on 32-bit images only (target and
// source) and do nothing otherwise.
class SDLImageGraphics : public ImageGraphics {
public:
    explicit SDLImageGraphics(SDLSurfaceImage* target) : target_(target) {}

    void fillRect(std::int16_t x, std::int16_t y, std::uint16_t w, std::uint16_t h, const Color& color) override;
    // Blits an SDLSurfaceImage; with useSourceAlpha the source blends over the
    // target, otherwise its bytes (alpha included) are copied.
    void drawImage(int x, int y, Image* source, const Rect& sourceRect, bool useSourceAlpha) override;
    // Adds (or subtracts) the source bytes whose channel flag is set, clamped
    // to 0..255; replace starts from 0 instead of the target byte.
    void blendImage(int x, int y, Image* source, const Rect& sourceRect, bool r, bool g, bool b, bool a,
                    bool replace, bool subtract) override;
    void addImage(int x, int y, Image* source, const Rect& sourceRect, bool r, bool g, bool b, bool a,
                  bool replace);

private:
    SDLSurfaceImage* target_;
};
