#pragma once

#include "engine/render/IntRect.hpp"
#include "engine/widgets/EnablerDecorator.hpp"
#include "engine/widgets/VisibilityDecorator.hpp"

class Graphics;
class Item;
class ItemRendererOwner;
class ResourceManager;

// Draws, hit-tests and animates one displayed item of a scene. It starts
// disabled (only the goal panel enables the items it lists, and only enabled
// items react to a press) and visible. The item owns it; the scene creates it
// and calls draw with the transform already moved to the item's position.
class ItemRenderer : public EnablerDecorator, public VisibilityDecorator {
public:
    enum MouseState { Pressed = 0, Entered = 1, Left = 2, OverlayPulse = 300, OverlayShow = 301, OverlayHide = 302 };

    ItemRenderer(ItemRendererOwner* owner, Item* item);
    virtual ~ItemRenderer() = default;

    ItemRenderer(const ItemRenderer&) = delete;
    ItemRenderer& operator=(const ItemRenderer&) = delete;

    virtual void update(int /*milliseconds*/) {}
    virtual void draw(Graphics* /*graphics*/) {}
    // x, y in scene coordinates.
    virtual bool hitTest(int /*x*/, int /*y*/) const { return false; }
    virtual const IntRect& getBounds() const { return bounds_; }
    virtual void mouseState(int /*code*/) {}
    virtual void loadResources(ResourceManager* /*resources*/) {}
    // The scene's hint points at this item; only collectable items show it.
    virtual void startHint() {}
    // Found and on its way off the scene: no panel may offer it again.
    virtual bool isCollected() const { return false; }
    // What a goal panel does for the items it lists: enabled unless already found.
    void offerAsGoal() { setEnabled(!isCollected()); }

    bool isOnTop() const { return onTop_; }
    void setOnTop(bool onTop) { onTop_ = onTop; }
    Item* getItem() const { return item_; }

protected:
    ItemRendererOwner* owner_;
    Item* item_;
    IntRect bounds_;
    // Set while the item is drawn above the scene's widgets (hint, flight).
    bool onTop_ = false;
};
