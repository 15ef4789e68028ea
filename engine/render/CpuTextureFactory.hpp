#pragma once

#include "engine/render/TextureFactory.hpp"

// Makes CpuTextures: decoded pictures without OpenGL.
class CpuTextureFactory : public TextureFactory {
public:
    Texture* load(const std::string& path, ImageFilter* filter, int keepMode) override;
};
