#include "engine/render/ScreenCapture.hpp"

#include <SDL/SDL.h>
#include <SDL/SDL_opengl.h>

#include <cstring>
#include <vector>

#include "engine/render/SDLSurfaceImage.hpp"

SurfacePtr readScreen(int width, int height) {
    SurfacePtr surface(SDLSurfaceImage::createRGBASurface(width, height));
    if (!surface) {
        return nullptr;
    }
    const std::size_t rowBytes = static_cast<std::size_t>(width) * 4;
    std::vector<unsigned char> pixels(rowBytes * height);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    // OpenGL's rows run bottom-up.
    SDL_LockSurface(surface.get());
    for (int y = 0; y < height; ++y) {
        std::memcpy(static_cast<unsigned char*>(surface->pixels) + y * surface->pitch,
                    pixels.data() + (height - 1 - y) * rowBytes, rowBytes);
    }
    SDL_UnlockSurface(surface.get());
    return surface;
}
