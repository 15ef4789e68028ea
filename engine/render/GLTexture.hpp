#pragma once

#include <cstdint>
#include <string>

#include "engine/render/Texture.hpp"

struct SDL_Surface;
class ImageFilter;
class TexturePicture;

// A picture uploaded as one OpenGL texture of power-of-two size. Loaded from
// a file it keeps, by its keep mode, the full RGBA image, an alpha map for
// hit tests, or nothing; made from an image or a surface it keeps the full
// image. Every texture survives release/restore around a context re-creation:
// one without a CPU image reads its file again. Needs a current GL context.
class GLTexture : public Texture {
public:
    // Loads a PNG or JPEG file (with its "_." mask for JPEG). An unreadable
    // file gives an empty texture (size 0, no GL name) and one logged line.
    GLTexture(const std::string& path, ImageFilter* filter, int keepMode);
    GLTexture(const std::u16string& path, ImageFilter* filter, int keepMode);
    // Consumes the image: it is deleted once copied.
    GLTexture(Image* image, ImageFilter* filter, int keepMode);
    // Copies the top-left w x h of the surface; the caller keeps the surface.
    GLTexture(SDL_Surface* surface, int w, int h, ImageFilter* filter, int keepMode);
    ~GLTexture() override;

    GLTexture(const GLTexture&) = delete;
    GLTexture& operator=(const GLTexture&) = delete;

    void load() override;
    void bind() override;
    void restore() override;
    void release() override;

    // Takes the image as the new CPU picture and copies its pixels (up to the
    // storage size) into the existing texture.
    void replacePicture(Image* image);

    int getKeepMode() const { return keepMode_; }
    unsigned getName() const { return name_; }

    // Process-wide statistics: live textures, and bytes of file-loaded textures.
    static std::int32_t liveCount();
    static std::int32_t textureMemory();

private:
    void loadFile();
    void adopt(TexturePicture& picture, int keepMode);
    void upload(SDL_Surface* surface);

    ImageFilter* filter_ = nullptr;
    unsigned name_ = 0;
    std::int32_t memory_ = 0;
    int keepMode_ = KeepImage;
};
