#include "engine/render/GLTexture.hpp"

#include <SDL/SDL.h>
#include <SDL/SDL_opengl.h>
#include <utf8.h>

#include <algorithm>
#include <cstdio>
#include <memory>

#include "engine/core/Log.hpp"
#include "engine/core/SdlPtr.hpp"
#include "engine/render/SDLSurfaceImage.hpp"
#include "engine/render/TexturePicture.hpp"

namespace {

std::int32_t g_liveTextures = 0;
std::int32_t g_textureMemory = 0;

bool hasMasks(const SDL_PixelFormat* f, int bytes, Uint32 r, Uint32 g, Uint32 b, Uint32 a) {
    return f->BytesPerPixel == bytes && f->Rmask == r && f->Gmask == g && f->Bmask == b && f->Amask == a;
}

bool sizeSupported(int w, int h, GLenum format) {
    glTexImage2D(GL_PROXY_TEXTURE_2D, 0, format == GL_RGBA ? 4 : 3, w, h, 0, format, GL_UNSIGNED_BYTE, nullptr);
    GLint width = 0;
    glGetTexLevelParameteriv(GL_PROXY_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    return width != 0;
}

// Uploads a surface as a new texture name (0 on failure, with SDL's error
// text set). Surfaces in RGBA or RGB byte order at a supported size go up as
// they are; anything else is first copied to an RGBA surface.
GLuint uploadSurface(SDL_Surface* surface, int& width, int& height) {
    width = 0;
    height = 0;
    if (!surface) {
        SDL_SetError("SDL_oglblit: Surface passed to OGL_FromSurface is NULL.");
        return 0;
    }
    const SDL_PixelFormat* f = surface->format;
    GLenum format = 0;
    if (hasMasks(f, 4, 0x000000FF, 0x0000FF00, 0x00FF0000, 0xFF000000)) {
        format = GL_RGBA;
    } else if (hasMasks(f, 3, 0x000000FF, 0x0000FF00, 0x00FF0000, 0)) {
        format = GL_RGB;
    }
    GLint maxSize = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxSize);
    int w = std::min(surface->w, static_cast<int>(maxSize));
    int h = std::min(surface->h, static_cast<int>(maxSize));
    const GLenum tested = format ? format : GL_RGBA;
    if (!sizeSupported(w, h, tested)) {
        w = std::min(TexturePicture::storageSize(w), static_cast<int>(maxSize));
        h = std::min(TexturePicture::storageSize(h), static_cast<int>(maxSize));
        if (!sizeSupported(w, h, tested)) {
            SDL_SetError("SDL_oglblit: Couldn't find a suitable texture size for the given surface.");
            return 0;
        }
    }
    SurfacePtr converted;
    SDL_Surface* source = surface;
    if (!format || w != surface->w || h != surface->h) {
        converted.reset(SDLSurfaceImage::createRGBASurface(w, h));
        if (!converted) {
            SDL_SetError("SDL_oglblit: Couldn't copy an unsupported surface to an RGBA surface.");
            return 0;
        }
        SDL_SetAlpha(surface, 0, 0);
        if (SDL_BlitSurface(surface, nullptr, converted.get(), nullptr) != 0) {
            SDL_SetError("SDL_oglblit: Couldn't perform a surface to texture conversion, even though the given "
                         "surface seems compatible.");
            return 0;
        }
        source = converted.get();
        format = GL_RGBA;
    }
    GLuint name = 0;
    glGenTextures(1, &name);
    if (!name) {
        SDL_SetError("SDL_oglblit: Unknown error while converting surface to texture.");
        return 0;
    }
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
    if (SDL_MUSTLOCK(source)) {
        SDL_LockSurface(source);
    }
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glTexImage2D(GL_TEXTURE_2D, 0, source->format->BytesPerPixel, w, h, 0, format, GL_UNSIGNED_BYTE,
                 source->pixels);
    if (SDL_MUSTLOCK(source)) {
        SDL_UnlockSurface(source);
    }
    width = w;
    height = h;
    return name;
}

}  // namespace

GLTexture::GLTexture(const std::string& path, ImageFilter* filter, int keepMode)
    : filter_(filter), keepMode_(keepMode) {
    path_ = path;
    ++g_liveTextures;
    loadFile();
}

GLTexture::GLTexture(const std::u16string& path, ImageFilter* filter, int keepMode)
    : GLTexture(utf8::utf16to8(path), filter, keepMode) {}

GLTexture::GLTexture(Image* image, ImageFilter* filter, int keepMode) : filter_(filter), keepMode_(keepMode) {
    ++g_liveTextures;
    std::unique_ptr<Image> consumed(image);
    auto* full = dynamic_cast<SDLSurfaceImage*>(image);
    std::unique_ptr<SDLSurfaceImage> copy;
    if (image && (!full || !full->getSurface())) {
        copy = std::make_unique<SDLSurfaceImage>(image->getWidth(), image->getHeight());
        for (int y = 0; y < image->getHeight(); ++y) {
            for (int x = 0; x < image->getWidth(); ++x) {
                copy->setPixel(x, y, image->getPixel(x, y));
            }
        }
        full = copy.get();
    }
    if (!full) {
        return;
    }
    TexturePicture picture = TexturePicture::fromSurface(full->getSurface(), full->getWidth(), full->getHeight(),
                                                         filter_);
    adopt(picture, KeepImage);
}

GLTexture::GLTexture(SDL_Surface* surface, int w, int h, ImageFilter* filter, int keepMode)
    : filter_(filter), keepMode_(keepMode) {
    ++g_liveTextures;
    TexturePicture picture = TexturePicture::fromSurface(surface, w, h, filter_);
    adopt(picture, KeepImage);
}

GLTexture::~GLTexture() {
    if (name_) {
        glDeleteTextures(1, &name_);
    }
    uploaded_ = false;
    --g_liveTextures;
    g_textureMemory -= memory_;
    logDebug("Texture count: %d", g_liveTextures);
}

std::int32_t GLTexture::liveCount() {
    return g_liveTextures;
}

std::int32_t GLTexture::textureMemory() {
    return g_textureMemory;
}

void GLTexture::loadFile() {
    TexturePicture picture = TexturePicture::fromFile(path_, filter_);
    memory_ = static_cast<std::int32_t>(picture.memoryBytes());
    g_textureMemory += memory_;
    adopt(picture, keepMode_);
}

void GLTexture::adopt(TexturePicture& picture, int keepMode) {
    if (picture.isEmpty()) {
        return;
    }
    upload(picture.image()->getSurface());
    width_ = picture.getSourceWidth();
    height_ = picture.getSourceHeight();
    delete image_;
    image_ = picture.keep(keepMode);
    uploaded_ = true;
}

void GLTexture::upload(SDL_Surface* surface) {
    if (name_) {
        glDeleteTextures(1, &name_);
    }
    name_ = uploadSurface(surface, storageWidth_, storageHeight_);
    if (!name_) {
        logWarning("Texture %s: %s", path_.empty() ? "(picture)" : path_.c_str(), SDL_GetError());
    }
}

void GLTexture::load() {
    if (notLoaded_) {
        loadFile();
        notLoaded_ = false;
    }
}

void GLTexture::bind() {
    glBindTexture(GL_TEXTURE_2D, name_);
}

void GLTexture::release() {
    if (uploaded_ && name_) {
        glDeleteTextures(1, &name_);
        name_ = 0;
    }
}

void GLTexture::restore() {
    if (!uploaded_) {
        return;
    }
    auto* full = dynamic_cast<SDLSurfaceImage*>(image_);
    if (!full || !full->getSurface()) {
        // Nothing uploadable was kept: read the file again.
        TexturePicture picture = TexturePicture::fromFile(path_, filter_);
        adopt(picture, keepMode_);
        return;
    }
    SDL_Surface* surface = full->getSurface();
    if (surface->w == storageWidth_ && surface->h == storageHeight_) {
        upload(surface);
        return;
    }
    // A replaced picture of another size goes back onto storage of the old size.
    TexturePicture picture = TexturePicture::fromSurface(surface, std::min(surface->w, storageWidth_),
                                                         std::min(surface->h, storageHeight_), nullptr);
    if (!picture.isEmpty()) {
        upload(picture.image()->getSurface());
    }
}

void GLTexture::replacePicture(Image* image) {
    delete image_;
    image_ = image;
    auto* full = dynamic_cast<SDLSurfaceImage*>(image);
    SDL_Surface* surface = full ? full->getSurface() : nullptr;
    if (!surface || !name_) {
        return;
    }
    const int w = std::min(surface->w, storageWidth_);
    const int h = std::min(surface->h, storageHeight_);
    SurfacePtr converted;
    if (!hasMasks(surface->format, 4, 0x000000FF, 0x0000FF00, 0x00FF0000, 0xFF000000)) {
        converted.reset(SDLSurfaceImage::createRGBASurface(surface->w, surface->h));
        SDL_SetAlpha(surface, 0, 0);
        SDL_BlitSurface(surface, nullptr, converted.get(), nullptr);
        surface = converted.get();
    }
    glBindTexture(GL_TEXTURE_2D, name_);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, surface->pitch / 4);
    SDL_LockSurface(surface);
    glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, w, h, GL_RGBA, GL_UNSIGNED_BYTE, surface->pixels);
    SDL_UnlockSurface(surface);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
}
