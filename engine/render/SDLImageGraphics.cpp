#include "engine/render/SDLImageGraphics.hpp"

#include <SDL/SDL.h>

#include <algorithm>

#include "engine/render/SDLSurfaceImage.hpp"

void SDLImageGraphics::fillRect(std::int16_t x, std::int16_t y, std::uint16_t w, std::uint16_t h,
                                const Color& color) {
    SDL_Surface* surface = target_->getSurface();
    if (!surface) {
        return;
    }
    SDL_Rect area{x, y, w, h};
    SDL_FillRect(surface, &area, SDL_MapRGBA(surface->format, color.r, color.g, color.b, color.a));
}

void SDLImageGraphics::drawImage(int x, int y, Image* source, const Rect& sourceRect, bool useSourceAlpha) {
    auto* image = dynamic_cast<SDLSurfaceImage*>(source);
    SDL_Surface* from = image ? image->getSurface() : nullptr;
    SDL_Surface* to = target_->getSurface();
    if (!from || !to) {
        return;
    }
    SDL_SetAlpha(from, useSourceAlpha ? SDL_SRCALPHA : 0, 255);
    SDL_Rect src{static_cast<Sint16>(sourceRect.left), static_cast<Sint16>(sourceRect.top),
                 static_cast<Uint16>(sourceRect.intWidth()), static_cast<Uint16>(sourceRect.intHeight())};
    SDL_Rect dst{static_cast<Sint16>(x), static_cast<Sint16>(y), 0, 0};
    SDL_BlitSurface(from, &src, to, &dst);
}

void SDLImageGraphics::blendImage(int x, int y, Image* source, const Rect& sourceRect, bool r, bool g, bool b,
                                  bool a, bool replace, bool subtract) {
    auto* image = dynamic_cast<SDLSurfaceImage*>(source);
    SDL_Surface* from = image ? image->getSurface() : nullptr;
    SDL_Surface* to = target_->getSurface();
    if (!from || !to || from->format->BytesPerPixel != 4 || to->format->BytesPerPixel != 4) {
        return;
    }
    int left = static_cast<int>(sourceRect.left);
    int top = static_cast<int>(sourceRect.top);
    int w = sourceRect.intWidth();
    int h = sourceRect.intHeight();
    // A target position left of or above the image moves the source edge instead.
    if (x < 0) {
        left -= x;
        w += x;
        x = 0;
    }
    if (y < 0) {
        top -= y;
        h += y;
        y = 0;
    }
    if (left < 0) {
        w += left;
        x -= left;
        left = 0;
    }
    if (top < 0) {
        h += top;
        y -= top;
        top = 0;
    }
    w = std::min({w, from->w - left, to->w - x});
    h = std::min({h, from->h - top, to->h - y});
    if (w <= 0 || h <= 0) {
        return;
    }
    const bool flags[4] = {r, g, b, a};
    SDL_LockSurface(from);
    SDL_LockSurface(to);
    for (int row = 0; row < h; ++row) {
        const Uint8* s = static_cast<const Uint8*>(from->pixels) + (top + row) * from->pitch + left * 4;
        Uint8* d = static_cast<Uint8*>(to->pixels) + (y + row) * to->pitch + x * 4;
        for (int i = 0; i < w * 4; ++i) {
            if (!flags[i % 4]) {
                continue;
            }
            const int base = replace ? 0 : d[i];
            d[i] = static_cast<Uint8>(subtract ? std::max(0, base - s[i]) : std::min(255, base + s[i]));
        }
    }
    SDL_UnlockSurface(to);
    SDL_UnlockSurface(from);
}

void SDLImageGraphics::addImage(int x, int y, Image* source, const Rect& sourceRect, bool r, bool g, bool b,
                                bool a, bool replace) {
    // Combining in place gives the same bytes as combining two copies of the
    // regions and copying the result back.
    blendImage(x, y, source, sourceRect, r, g, b, a, replace, false);
}
