#pragma once

#include <memory>

#include "game/scene/data/ItemDescription.hpp"

class ItemRenderer;

// One item of one scene, kept by the ItemRegistry from its first load until
// the registry is cleared. It is found again by its key (its index in the
// item file and the scene id). The renderer belongs to the scene screen that
// shows the item and is replaced or dropped by it.
class Item {
public:
    Item(int index, int sceneId, std::unique_ptr<ItemDescription> description);
    virtual ~Item();

    Item(const Item&) = delete;
    Item& operator=(const Item&) = delete;

    // The index in the item file at creation; the goal panels reuse it for the
    // item's panel slot (-1 not listed, -2 collected).
    int id;

    int getIndex() const { return index_; }
    int getSceneId() const { return sceneId_; }
    ItemDescription& description() { return *description_; }
    const ItemDescription& description() const { return *description_; }
    ItemRenderer* getRenderer() const { return renderer_.get(); }
    // Takes ownership and destroys the earlier renderer.
    void setRenderer(ItemRenderer* renderer);

private:
    int index_;
    int sceneId_;
    std::unique_ptr<ItemDescription> description_;
    std::unique_ptr<ItemRenderer> renderer_;
};
