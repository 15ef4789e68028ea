#include "game/scene/Item.hpp"

#include "game/scene/ItemRenderer.hpp"

Item::Item(int index, int sceneId, std::unique_ptr<ItemDescription> description)
    : id(index), index_(index), sceneId_(sceneId), description_(std::move(description)) {}

Item::~Item() = default;

void Item::setRenderer(ItemRenderer* renderer) {
    renderer_.reset(renderer);
}
