#pragma once

#include <memory>
#include <string>

#include "engine/render/Image.hpp"

struct SDL_Surface;
class SDLImageGraphics;

// A CPU-side picture held in an SDL surface, which it owns and frees, with
// an SDLImageGraphics drawing into it. Blank images are 32-bit RGBA with the
// bytes in memory order red, green, blue, alpha.
class SDLSurfaceImage : public Image {
public:
    // Decodes a PNG or JPEG file; an unreadable file leaves the image empty.
    explicit SDLSurfaceImage(const std::string& path);
    // An empty image without a surface.
    SDLSurfaceImage();
    // Adopts the surface; width and height are taken from it.
    explicit SDLSurfaceImage(SDL_Surface* surface);
    // A blank, fully transparent RGBA image of w x h.
    SDLSurfaceImage(int w, int h);
    ~SDLSurfaceImage() override;

    SDLSurfaceImage(const SDLSurfaceImage&) = delete;
    SDLSurfaceImage& operator=(const SDLSurfaceImage&) = delete;

    Image* clone() const override;
    bool isTransparent(int x, int y) const override;
    // (0, 0, 0, 0) without a surface or outside the image.
    Color getPixel(int x, int y) const override;
    // Ignored without a surface or outside the image.
    void setPixel(int x, int y, const Color& color) override;
    ImageGraphics* graphics() override;

    SDL_Surface* getSurface() const { return surface_; }

    // The channel masks of every RGBA surface the renderer makes.
    static constexpr unsigned RedMask = 0x000000FFu;
    static constexpr unsigned GreenMask = 0x0000FF00u;
    static constexpr unsigned BlueMask = 0x00FF0000u;
    static constexpr unsigned AlphaMask = 0xFF000000u;
    // A new zeroed RGBA surface the caller owns (null when w or h is not positive).
    static SDL_Surface* createRGBASurface(int w, int h);

private:
    void adopt(SDL_Surface* surface);

    SDL_Surface* surface_ = nullptr;
    std::unique_ptr<SDLImageGraphics> graphics_;
};
