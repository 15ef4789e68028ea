#include "engine/render/TexturePicture.hpp"

#include <SDL/SDL.h>

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "engine/core/Log.hpp"
#include "engine/render/ImageFile.hpp"
#include "engine/render/ImageFilter.hpp"
#include "engine/render/MinimalSurfaceImage.hpp"
#include "engine/core/SdlPtr.hpp"
#include "engine/render/SDLSurfaceImage.hpp"
#include "engine/render/Texture.hpp"

namespace {

// The top-left w x h of the surface on transparent power-of-two storage. The
// surface's per-surface alpha is switched off first so that the blit copies
// its alpha bytes instead of blending them.
SurfacePtr toStorage(SDL_Surface* surface, int w, int h) {
    SurfacePtr storage(
        SDLSurfaceImage::createRGBASurface(TexturePicture::storageSize(w), TexturePicture::storageSize(h)));
    if (!storage) {
        return nullptr;
    }
    SDL_SetAlpha(surface, 0, 0);
    SDL_Rect area{0, 0, static_cast<Uint16>(w), static_cast<Uint16>(h)};
    SDL_BlitSurface(surface, &area, storage.get(), nullptr);
    return storage;
}

}  // namespace

TexturePicture::TexturePicture() = default;
TexturePicture::TexturePicture(TexturePicture&&) noexcept = default;
TexturePicture& TexturePicture::operator=(TexturePicture&&) noexcept = default;
TexturePicture::~TexturePicture() = default;

int TexturePicture::storageSize(int v) {
    int size = 1;
    while (size < v) {
        size <<= 1;
    }
    return size;
}

std::string TexturePicture::extension(const std::string& path) {
    const auto dot = path.rfind('.');
    const auto slash = path.rfind('/');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) {
        return "";
    }
    return path.substr(dot + 1);
}

std::string TexturePicture::maskPath(const std::string& path) {
    std::string ext = extension(path);
    std::string upper = ext;
    std::transform(upper.begin(), upper.end(), upper.begin(), [](unsigned char c) { return std::toupper(c); });
    if (upper != "JPG" && upper != "JPEG") {
        return "";
    }
    return path.substr(0, path.size() - ext.size() - 1) + "_." + ext;
}

int TexturePicture::getStorageWidth() const {
    return image_ ? image_->getWidth() : 0;
}

int TexturePicture::getStorageHeight() const {
    return image_ ? image_->getHeight() : 0;
}

std::int64_t TexturePicture::memoryBytes() const {
    return static_cast<std::int64_t>(getStorageWidth()) * getStorageHeight() * 4;
}

TexturePicture TexturePicture::fromFile(const std::string& path, ImageFilter* filter) {
    TexturePicture picture;
    const SurfacePtr loaded = ImageFile::load(path);
    if (!loaded) {
        return picture;
    }
    picture.sourceWidth_ = loaded->w;
    picture.sourceHeight_ = loaded->h;
    picture.image_ = std::make_unique<SDLSurfaceImage>(toStorage(loaded.get(), loaded->w, loaded->h).release());

    const std::string mask = maskPath(path);
    if (!mask.empty()) {
        if (const SurfacePtr maskLoaded = ImageFile::load(mask, ImageFile::Report::Silent)) {
            const SurfacePtr converted = toStorage(maskLoaded.get(), maskLoaded->w, maskLoaded->h);
            picture.applyMask(converted.get());
        }
    }
    if (filter) {
        filter->apply(picture.image_.get());
    }
    if (picture.getStorageWidth() > WarnedSize || picture.getStorageHeight() > WarnedSize) {
        logWarning("WARNING: tex %s size: %dx%d", path.c_str(), picture.getStorageWidth(),
                    picture.getStorageHeight());
    }
    return picture;
}

TexturePicture TexturePicture::fromSurface(SDL_Surface* surface, int w, int h, ImageFilter* filter) {
    TexturePicture picture;
    if (!surface || w <= 0 || h <= 0) {
        return picture;
    }
    picture.sourceWidth_ = w;
    picture.sourceHeight_ = h;
    picture.image_ = std::make_unique<SDLSurfaceImage>(toStorage(surface, w, h).release());
    if (filter) {
        filter->apply(picture.image_.get());
    }
    return picture;
}

void TexturePicture::applyMask(SDL_Surface* mask) {
    SDL_Surface* target = image_->getSurface();
    if (!mask || mask->format->BitsPerPixel != 32 || mask->format->BitsPerPixel != target->format->BitsPerPixel ||
        mask->w != target->w || mask->h != target->h) {
        return;
    }
    alphaMap_ = std::make_unique<std::uint8_t[]>(static_cast<std::size_t>(target->w) * target->h);
    const Uint32 amask = target->format->Amask;
    const Uint8 ashift = target->format->Ashift;
    for (int y = 0; y < target->h; ++y) {
        const Uint32* from = reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(mask->pixels) + y * mask->pitch);
        Uint32* to = reinterpret_cast<Uint32*>(static_cast<Uint8*>(target->pixels) + y * target->pitch);
        for (int x = 0; x < target->w; ++x) {
            Uint8 r = 0;
            Uint8 g = 0;
            Uint8 b = 0;
            SDL_GetRGB(from[x], mask->format, &r, &g, &b);
            const Uint32 a = (r + g + b) / 3;
            to[x] = (to[x] & ~amask) | (a << ashift);
            alphaMap_[static_cast<std::size_t>(y) * target->w + x] = static_cast<std::uint8_t>(a);
        }
    }
}

Image* TexturePicture::keep(int keepMode) {
    Image* kept = nullptr;
    if (keepMode == Texture::KeepImage) {
        kept = image_.release();
    } else if (keepMode == Texture::KeepAlphaMap && image_) {
        kept = alphaMap_ ? new MinimalSurfaceImage(getStorageWidth(), getStorageHeight(), std::move(alphaMap_))
                         : new MinimalSurfaceImage(image_->getSurface());
    }
    image_.reset();
    alphaMap_.reset();
    return kept;
}
