#pragma once

#include "engine/render/TextureFactory.hpp"

// Makes GLTextures; needs a current OpenGL context.
class GLTextureFactory : public TextureFactory {
public:
    Texture* load(const std::string& path, ImageFilter* filter, int keepMode) override;
};
