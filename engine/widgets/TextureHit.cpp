#include "engine/widgets/TextureHit.hpp"

#include "engine/render/Image.hpp"
#include "engine/render/Texture.hpp"

bool TextureHit::inside(const Texture* texture, int x, int y) {
    return texture != nullptr && x >= 0 && y >= 0 && x < texture->getWidth() && y < texture->getHeight();
}

bool TextureHit::opaque(const Texture* texture, int x, int y) {
    if (!inside(texture, x, y)) {
        return false;
    }
    const Image* image = texture->getImage();
    return image == nullptr || !image->isTransparent(x, y);
}
