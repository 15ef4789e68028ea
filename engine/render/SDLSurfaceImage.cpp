#include "engine/render/SDLSurfaceImage.hpp"

#include <SDL/SDL.h>

#include "engine/render/ImageFile.hpp"
#include "engine/render/SDLImageGraphics.hpp"

namespace {

// Locks the surface for direct pixel access when SDL requires it.
class SurfaceLock {
public:
    explicit SurfaceLock(SDL_Surface* surface) : surface_(SDL_MUSTLOCK(surface) ? surface : nullptr) {
        if (surface_) {
            SDL_LockSurface(surface_);
        }
    }
    ~SurfaceLock() {
        if (surface_) {
            SDL_UnlockSurface(surface_);
        }
    }
    SurfaceLock(const SurfaceLock&) = delete;
    SurfaceLock& operator=(const SurfaceLock&) = delete;

private:
    SDL_Surface* surface_;
};

Uint8* pixelAddress(SDL_Surface* surface, int x, int y) {
    return static_cast<Uint8*>(surface->pixels) + y * surface->pitch + x * surface->format->BytesPerPixel;
}

}  // namespace

SDLSurfaceImage::SDLSurfaceImage(const std::string& path) {
    adopt(ImageFile::load(path).release());
}

SDLSurfaceImage::SDLSurfaceImage() {
    adopt(nullptr);
}

SDLSurfaceImage::SDLSurfaceImage(SDL_Surface* surface) {
    adopt(surface);
}

SDLSurfaceImage::SDLSurfaceImage(int w, int h) {
    adopt(createRGBASurface(w, h));
}

SDLSurfaceImage::~SDLSurfaceImage() {
    if (surface_) {
        SDL_FreeSurface(surface_);
    }
}

void SDLSurfaceImage::adopt(SDL_Surface* surface) {
    surface_ = surface;
    width_ = surface ? surface->w : 0;
    height_ = surface ? surface->h : 0;
    graphics_ = std::make_unique<SDLImageGraphics>(this);
}

SDL_Surface* SDLSurfaceImage::createRGBASurface(int w, int h) {
    if (w <= 0 || h <= 0) {
        return nullptr;
    }
    return SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, RedMask, GreenMask, BlueMask, AlphaMask);
}

Image* SDLSurfaceImage::clone() const {
    if (!surface_) {
        return new SDLSurfaceImage();
    }
    // Converting to the surface's own format copies every byte, alpha included.
    return new SDLSurfaceImage(SDL_ConvertSurface(surface_, surface_->format, surface_->flags));
}

bool SDLSurfaceImage::isTransparent(int x, int y) const {
    return getPixel(x, y).a == 0;
}

Color SDLSurfaceImage::getPixel(int x, int y) const {
    if (!surface_ || x < 0 || y < 0 || x >= width_ || y >= height_) {
        return Color(0, 0, 0, 0);
    }
    SurfaceLock lock(surface_);
    const Uint8* p = pixelAddress(surface_, x, y);
    Uint32 value = 0;
    switch (surface_->format->BytesPerPixel) {
    case 1:
        value = *p;
        break;
    case 2:
        value = *reinterpret_cast<const Uint16*>(p);
        break;
    case 3:
        value = SDL_BYTEORDER == SDL_BIG_ENDIAN ? (p[0] << 16 | p[1] << 8 | p[2]) : (p[0] | p[1] << 8 | p[2] << 16);
        break;
    default:
        value = *reinterpret_cast<const Uint32*>(p);
        break;
    }
    Color c;
    SDL_GetRGBA(value, surface_->format, &c.r, &c.g, &c.b, &c.a);
    return c;
}

void SDLSurfaceImage::setPixel(int x, int y, const Color& color) {
    if (!surface_ || x < 0 || y < 0 || x >= width_ || y >= height_) {
        return;
    }
    const Uint32 value = SDL_MapRGBA(surface_->format, color.r, color.g, color.b, color.a);
    SurfaceLock lock(surface_);
    Uint8* p = pixelAddress(surface_, x, y);
    switch (surface_->format->BytesPerPixel) {
    case 1:
        *p = static_cast<Uint8>(value);
        break;
    case 2:
        *reinterpret_cast<Uint16*>(p) = static_cast<Uint16>(value);
        break;
    case 3:
        if (SDL_BYTEORDER == SDL_BIG_ENDIAN) {
            p[0] = (value >> 16) & 0xFF;
            p[1] = (value >> 8) & 0xFF;
            p[2] = value & 0xFF;
        } else {
            p[0] = value & 0xFF;
            p[1] = (value >> 8) & 0xFF;
            p[2] = (value >> 16) & 0xFF;
        }
        break;
    default:
        *reinterpret_cast<Uint32*>(p) = value;
        break;
    }
}

ImageGraphics* SDLSurfaceImage::graphics() {
    return graphics_.get();
}
