#include "game/scene/data/Item.hpp"

#include "game/scene/renderers/ItemRenderer.hpp"

Item::Item(int index, int sceneId, std::unique_ptr<ItemDescription> description)
    : id(index), index_(index), sceneId_(sceneId), description_(std::move(description)) {}

Item::~Item() = default;

void Item::setRenderer(ItemRenderer* renderer) {
    renderer_.reset(renderer);
}
