#pragma once

#include "engine/render/Point.hpp"

class AnimationPlayer;
class Item;
class TextureFactory;

// What an item renderer may ask of the scene that shows its item.
class ItemRendererOwner {
public:
    virtual ~ItemRendererOwner() = default;
    // The set of items changed (item is the one that moved, or null).
    virtual void itemsChanged(Item* item) = 0;
    virtual void itemCollected(Item* item) = 0;
    // Lifts the item above every displayed item.
    virtual void bringToFront(Item* item) = 0;
    virtual void setItemLayer(Item* item, int layer) = 0;
    // Where a found item flies to: its place on the goal panel.
    virtual Point collectTarget(Item* item) = 0;
    // Plays the short burst that marks a found item, centred on the point.
    virtual void showPickup(const Point& centre) = 0;
    // Makes the item and effect textures (OpenGL in the game, CPU in tests).
    virtual TextureFactory& textureFactory() = 0;
    // Plays the animations of animated items; null when the scene has none.
    virtual AnimationPlayer* animationPlayer() = 0;
};
