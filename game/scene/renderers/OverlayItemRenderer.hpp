#pragma once

#include <memory>

#include "game/scene/renderers/TexItemRenderer.hpp"

class TinyAction;

// A picture item that the scene can veil in black and white (commands 300:
// veil for five seconds, 301: veil, 302: unveil). A press never collects it.
class OverlayItemRenderer : public TexItemRenderer {
public:
    OverlayItemRenderer(ItemRendererOwner* owner, Item* item);
    ~OverlayItemRenderer() override;

    void loadResources(ResourceManager* resources) override;
    void draw(Graphics* graphics) override;
    void update(int milliseconds) override;
    void mouseState(int code) override;

    int getOverlayAlpha() const { return overlayAlpha_; }

private:
    std::unique_ptr<TinyAction> overlayAction_;
    int overlayAlpha_ = 0;
};
