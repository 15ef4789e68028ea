#pragma once

#include <map>
#include <string>

#include "game/scene/renderers/ItemRenderer.hpp"

class Texture;

// An item drawn from its picture. A press takes the item off the scene at
// once: it moves to the collected group. The textures belong to the scene's
// resource manager; the variants are other looks of the same picture.
class TexItemRenderer : public ItemRenderer {
public:
    enum Variant { Silhouette = 1, BlackAndWhite = 2, DrawnSilhouette = 10 };

    using ItemRenderer::ItemRenderer;

    void loadResources(ResourceManager* resources) override;
    void draw(Graphics* graphics) override;
    bool hitTest(int x, int y) const override;
    void mouseState(int code) override;

    Texture* getTexture() const { return texture_; }
    // The variant under key, or null.
    Texture* getVariant(int key) const;
    // The texture stays owned by whoever registered it.
    void setVariant(int key, Texture* texture) { variants_[key] = texture; }

protected:
    std::string imagePath() const;
    // Loads the item's picture through filter and registers it under a name
    // unique to this item and variant.
    Texture* loadPicture(ResourceManager* resources, const std::string& variantName, class ImageFilter* filter,
                         int keepMode);
    // Takes the item off the scene into the collected group.
    void removeFromScene();

    Texture* texture_ = nullptr;
    std::map<int, Texture*> variants_;
};
