#include "engine/render/PngWriter.hpp"

#include <SDL/SDL.h>
#include <png.h>

#include <cstdio>
#include <memory>

#include "engine/core/Log.hpp"
#include "engine/core/SdlPtr.hpp"
#include "engine/render/SDLSurfaceImage.hpp"

namespace {

struct PngFile {
    std::FILE* file = nullptr;
    png_structp png = nullptr;
    png_infop info = nullptr;
    ~PngFile() {
        if (png) {
            png_destroy_write_struct(&png, info ? &info : nullptr);
        }
        if (file) {
            std::fclose(file);
        }
    }
};

}  // namespace

bool writePng(SDL_Surface* surface, const std::string& path) {
    if (!surface) {
        logWarning("PNG %s: no picture to write", path.c_str());
        return false;
    }
    // Rows in RGBA byte order whatever the surface's format; converting
    // copies alpha bytes as they are.
    const SurfacePtr model(SDLSurfaceImage::createRGBASurface(1, 1));
    const SurfacePtr rgba(model ? SDL_ConvertSurface(surface, model->format, SDL_SWSURFACE) : nullptr);
    if (!rgba) {
        logWarning("PNG %s: cannot convert the picture: %s", path.c_str(), SDL_GetError());
        return false;
    }
    const int w = rgba->w;
    const int h = rgba->h;

    PngFile out;
    out.file = std::fopen(path.c_str(), "wb");
    if (!out.file) {
        logWarning("PNG %s: cannot create the file", path.c_str());
        return false;
    }
    out.png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    out.info = out.png ? png_create_info_struct(out.png) : nullptr;
    if (!out.info) {
        logWarning("PNG %s: out of memory", path.c_str());
        return false;
    }
    if (setjmp(png_jmpbuf(out.png))) {
        logWarning("PNG %s: write failed", path.c_str());
        return false;
    }
    png_init_io(out.png, out.file);
    png_set_IHDR(out.png, out.info, static_cast<png_uint_32>(w), static_cast<png_uint_32>(h), 8,
                 PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(out.png, out.info);
    SDL_LockSurface(rgba.get());
    for (int y = 0; y < h; ++y) {
        png_write_row(out.png, static_cast<png_bytep>(rgba->pixels) + y * rgba->pitch);
    }
    SDL_UnlockSurface(rgba.get());
    png_write_end(out.png, nullptr);
    return true;
}
