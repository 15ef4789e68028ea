#include "engine/render/MinimalSurfaceImage.hpp"

#include <SDL/SDL.h>

MinimalSurfaceImage::MinimalSurfaceImage(int w, int h, std::unique_ptr<std::uint8_t[]> alpha)
    : alpha_(std::move(alpha)) {
    width_ = w;
    height_ = h;
}

MinimalSurfaceImage::MinimalSurfaceImage(SDL_Surface* surface) {
    if (!surface || surface->format->BytesPerPixel != 4) {
        return;
    }
    width_ = surface->w;
    height_ = surface->h;
    alpha_ = std::make_unique<std::uint8_t[]>(static_cast<std::size_t>(width_) * height_);
    const Uint32 mask = surface->format->Amask;
    const Uint8 shift = surface->format->Ashift;
    if (SDL_MUSTLOCK(surface)) {
        SDL_LockSurface(surface);
    }
    for (int y = 0; y < height_; ++y) {
        const Uint32* row =
            reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(surface->pixels) + y * surface->pitch);
        for (int x = 0; x < width_; ++x) {
            alpha_[static_cast<std::size_t>(y) * width_ + x] = static_cast<std::uint8_t>((row[x] & mask) >> shift);
        }
    }
    if (SDL_MUSTLOCK(surface)) {
        SDL_UnlockSurface(surface);
    }
}

bool MinimalSurfaceImage::isTransparent(int x, int y) const {
    return inside(x, y) && alphaAt(x, y) == 0;
}

Color MinimalSurfaceImage::getPixel(int x, int y) const {
    if (!inside(x, y)) {
        return Color();
    }
    return Color(0, 0, 0, alphaAt(x, y));
}

void MinimalSurfaceImage::setPixel(int x, int y, const Color& color) {
    if (inside(x, y)) {
        alpha_[static_cast<std::size_t>(y) * width_ + x] = color.a;
    }
}
