#include "game/scene/renderers/ItemRenderer.hpp"

ItemRenderer::ItemRenderer(ItemRendererOwner* owner, Item* item) : owner_(owner), item_(item) {
    enabled_ = false;
}
