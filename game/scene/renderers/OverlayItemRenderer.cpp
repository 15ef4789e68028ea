#include "game/scene/renderers/OverlayItemRenderer.hpp"

#include <algorithm>

#include "engine/actions/TinyActionDelay.hpp"
#include "engine/actions/TinyActionSequence.hpp"
#include "engine/actions/TinyRelIncrementator.hpp"
#include "engine/render/BWImageFilter.hpp"
#include "engine/render/Graphics.hpp"
#include "engine/render/Texture.hpp"
#include "game/scene/data/Item.hpp"

namespace {
const int kFade = 500;
const int kVeiledPause = 5000;
}  // namespace

OverlayItemRenderer::OverlayItemRenderer(ItemRendererOwner* owner, Item* item) : TexItemRenderer(owner, item) {}

OverlayItemRenderer::~OverlayItemRenderer() = default;

void OverlayItemRenderer::loadResources(ResourceManager* resources) {
    TexItemRenderer::loadResources(resources);
    // Kept for the texture's reload after a change of video mode.
    static BWImageFilter blackAndWhite;
    variants_[BlackAndWhite] = loadPicture(resources, "#bw", &blackAndWhite, Texture::KeepNothing);
}

void OverlayItemRenderer::draw(Graphics* graphics) {
    TexItemRenderer::draw(graphics);
    Texture* veil = getVariant(BlackAndWhite);
    if (overlayAction_ && overlayAlpha_ > 0 && veil) {
        const int alpha = std::clamp(std::min(overlayAlpha_, item_->description().A), 0, 255);
        graphics->drawImage(0, 0, veil, Color(255, 255, 255, static_cast<std::uint8_t>(alpha)));
    }
}

void OverlayItemRenderer::update(int milliseconds) {
    if (overlayAction_) {
        overlayAction_->update(milliseconds);
    }
}

void OverlayItemRenderer::mouseState(int code) {
    TinyAction* action = nullptr;
    switch (code) {
        case OverlayPulse: {
            overlayAlpha_ = 0;
            auto* sequence = new TinyActionSequence();
            sequence->addAction(new TinyRelIncrementator<int>(kFade, &overlayAlpha_, 255));
            sequence->addAction(new TinyActionDelay(kVeiledPause));
            sequence->addAction(new TinyRelIncrementator<int>(kFade, &overlayAlpha_, -255));
            action = sequence;
            break;
        }
        case OverlayShow:
            overlayAlpha_ = 0;
            action = new TinyRelIncrementator<int>(kFade, &overlayAlpha_, 255);
            break;
        case OverlayHide:
            overlayAlpha_ = 255;
            action = new TinyRelIncrementator<int>(kFade, &overlayAlpha_, -255);
            break;
        default:
            return;
    }
    overlayAction_.reset(action);
    overlayAction_->start(nullptr, 0);
}
