#include "game/scene/renderers/TexItemRenderer.hpp"

#include <algorithm>

#include "engine/render/Graphics.hpp"
#include "engine/render/Image.hpp"
#include "engine/render/SilhouetteImageFilter.hpp"
#include "engine/render/Texture.hpp"
#include "engine/render/TextureFactory.hpp"
#include "engine/resources/ResourceManager.hpp"
#include "game/scene/data/Item.hpp"
#include "game/scene/data/ItemRegistry.hpp"
#include "game/scene/renderers/ItemRendererOwner.hpp"

namespace {
std::uint8_t byte(int value) {
    return static_cast<std::uint8_t>(std::clamp(value, 0, 255));
}
}  // namespace

std::string TexItemRenderer::imagePath() const {
    return item_->description().directory + item_->description().image;
}

Texture* TexItemRenderer::loadPicture(ResourceManager* resources, const std::string& variantName,
                                      ImageFilter* filter, int keepMode) {
    Texture* texture = owner_->textureFactory().load(imagePath(), filter, keepMode);
    // Several items may show one picture; each keeps its own texture.
    resources->addTexture(imagePath() + "#" + std::to_string(item_->getSceneId()) + ":" +
                              std::to_string(item_->getIndex()) + variantName,
                          texture);
    return texture;
}

void TexItemRenderer::loadResources(ResourceManager* resources) {
    texture_ = loadPicture(resources, "", nullptr, Texture::KeepAlphaMap);
    // The texture keeps its filter to apply it again when a new OpenGL
    // context (a change of video mode) makes it reload its picture.
    static SilhouetteImageFilter silhouette;
    variants_[Silhouette] = loadPicture(resources, "#silhouette", &silhouette, Texture::KeepNothing);
    bounds_ = IntRect(static_cast<int>(item_->description().x), static_cast<int>(item_->description().y),
                      texture_->getWidth(), texture_->getHeight());
}

void TexItemRenderer::draw(Graphics* graphics) {
    const ItemDescription& d = item_->description();
    graphics->drawImage(0, 0, texture_, Color(byte(d.R), byte(d.G), byte(d.B), byte(d.A)));
}

bool TexItemRenderer::hitTest(int x, int y) const {
    if (!texture_ || !bounds_.contains(x, y)) {
        return false;
    }
    const Image* alpha = texture_->getImage();
    return alpha == nullptr || !alpha->isTransparent(x - bounds_.x, y - bounds_.y);
}

void TexItemRenderer::mouseState(int code) {
    if (code != Pressed) {
        return;
    }
    owner_->itemCollected(item_);
    removeFromScene();
}

void TexItemRenderer::removeFromScene() {
    item_->description().x = 1024.0f;
    item_->description().y = 768.0f;
    ItemRegistry::instance().move(item_, ItemRegistry::Collected);
    owner_->itemsChanged(item_);
}

Texture* TexItemRenderer::getVariant(int key) const {
    auto found = variants_.find(key);
    return found == variants_.end() ? nullptr : found->second;
}
