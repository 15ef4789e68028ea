#include "game/scene/renderers/AnimPlayerItemRenderer.hpp"

#include "engine/animation/Animation2D.hpp"
#include "engine/animation/AnimationPlayer.hpp"
#include "engine/core/ContentPath.hpp"
#include "game/scene/data/Item.hpp"

AnimPlayerItemRenderer::AnimPlayerItemRenderer(ItemRendererOwner* owner, Item* item, AnimationPlayer* player)
    : ItemRenderer(owner, item), player_(player) {
    bounds_ = IntRect(static_cast<int>(item->description().x), static_cast<int>(item->description().y), 0, 0);
    if (player_) {
        animation_ = player_->loadAnimation(ContentPath::resolve(item->description().infoTip), item->getIndex());
        player_->playAnimation(item->getIndex());
    }
}

void AnimPlayerItemRenderer::update(int milliseconds) {
    // The animation is not in a widget manager: the item drives it.
    if (animation_) {
        animation_->update(milliseconds, nullptr);
    }
}

void AnimPlayerItemRenderer::draw(Graphics* graphics) {
    if (animation_) {
        animation_->draw(graphics, nullptr);
    }
}
