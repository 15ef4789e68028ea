#pragma once

#include <cstdint>
#include <memory>
#include <string>

struct SDL_Surface;
class Image;
class ImageFilter;
class SDLSurfaceImage;

// The CPU side of a texture being built: the picture converted to an RGBA
// surface of power-of-two size (the picture at the top-left, transparent
// padding), its alpha map when a JPEG mask gave one, and the file's size.
// Both the OpenGL texture and the CPU-only texture are made from one.
class TexturePicture {
public:
    TexturePicture();
    TexturePicture(TexturePicture&&) noexcept;
    TexturePicture& operator=(TexturePicture&&) noexcept;
    ~TexturePicture();

    // Decodes the file, applies its "_." mask when it is a JPEG, then the
    // filter (may be null). An unreadable file gives an empty picture and one
    // line naming the path.
    static TexturePicture fromFile(const std::string& path, ImageFilter* filter);
    // Copies the top-left w x h of a surface the caller keeps; no mask.
    static TexturePicture fromSurface(SDL_Surface* surface, int w, int h, ImageFilter* filter);

    bool isEmpty() const { return !image_; }
    int getSourceWidth() const { return sourceWidth_; }
    int getSourceHeight() const { return sourceHeight_; }
    int getStorageWidth() const;
    int getStorageHeight() const;
    // Bytes of the uploaded texture: storage width x height x 4.
    std::int64_t memoryBytes() const;
    SDLSurfaceImage* image() const { return image_.get(); }
    const std::uint8_t* alphaMap() const { return alphaMap_.get(); }

    // The CPU image a texture keeps in the given mode (null for KeepNothing);
    // the picture is consumed.
    Image* keep(int keepMode);

    // Smallest power of two not below v (1 for v <= 1).
    static int storageSize(int v);
    // The text after the last "." when that dot is in the file name, else "".
    static std::string extension(const std::string& path);
    // "room.jpg" -> "room_.jpg" for JPEG files (any case); "" for others.
    static std::string maskPath(const std::string& path);
    // Storage sides above this are logged, and still used.
    static constexpr int WarnedSize = 1024;

private:
    void applyMask(SDL_Surface* mask);

    std::unique_ptr<SDLSurfaceImage> image_;
    std::unique_ptr<std::uint8_t[]> alphaMap_;
    int sourceWidth_ = 0;
    int sourceHeight_ = 0;
};
