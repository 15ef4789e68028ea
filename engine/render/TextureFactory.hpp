#pragma once

#include <string>

class ImageFilter;
class Texture;

// Makes textures from picture files. Loaders of fonts, animations and scenes
// take one, so that the game gives them OpenGL textures and tests give them
// CPU-only ones. The caller owns what it returns.
class TextureFactory {
public:
    virtual ~TextureFactory() = default;
    // keepMode is one of Texture::KeepMode. An unreadable file gives an empty
    // texture (size 0) and one logged line, never null.
    virtual Texture* load(const std::string& path, ImageFilter* filter, int keepMode) = 0;
};
