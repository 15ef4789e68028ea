#include "engine/render/CpuTextureFactory.hpp"

#include "engine/render/CpuTexture.hpp"

Texture* CpuTextureFactory::load(const std::string& path, ImageFilter* filter, int keepMode) {
    return new CpuTexture(path, filter, keepMode);
}
