#include "engine/render/GLTextureFactory.hpp"

#include "engine/render/GLTexture.hpp"

Texture* GLTextureFactory::load(const std::string& path, ImageFilter* filter, int keepMode) {
    return new GLTexture(path, filter, keepMode);
}
