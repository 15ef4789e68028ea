#pragma once

#include "game/scene/renderers/ItemRenderer.hpp"

class Animation2D;
class AnimationPlayer;

// An item drawn by a key-frame animation (the file named by the item's
// infoTip), played by the scene's animation player under the item's index.
// Animated items are scenery: they are never hit.
class AnimPlayerItemRenderer : public ItemRenderer {
public:
    AnimPlayerItemRenderer(ItemRendererOwner* owner, Item* item, AnimationPlayer* player);

    void update(int milliseconds) override;
    void draw(Graphics* graphics) override;

    Animation2D* getAnimation() const { return animation_; }

private:
    AnimationPlayer* player_;
    Animation2D* animation_ = nullptr;
};
