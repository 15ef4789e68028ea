#include "game/scene/renderers/CollectableItemRenderer.hpp"

#include <algorithm>
#include <cmath>

#include "engine/actions/TinyActionDelay.hpp"
#include "engine/actions/TinyActionSequence.hpp"
#include "engine/actions/TinyParalelAction.hpp"
#include "engine/actions/TinyRelIncrementator.hpp"
#include "engine/render/Graphics.hpp"
#include "engine/render/Texture.hpp"
#include "engine/render/TextureFactory.hpp"
#include "engine/resources/ResourceManager.hpp"
#include "game/scene/data/Item.hpp"
#include "game/scene/data/ItemRegistry.hpp"
#include "game/scene/renderers/ItemRendererOwner.hpp"

namespace {

const float kPi = 3.14159265f;

std::uint8_t byte(int value) {
    return static_cast<std::uint8_t>(std::clamp(value, 0, 255));
}

}  // namespace

CollectableItemRenderer::CollectableItemRenderer(ItemRendererOwner* owner, Item* item, RandomSource& random)
    : TexItemRenderer(owner, item), random_(random), alpha_(item->description().A) {}

CollectableItemRenderer::~CollectableItemRenderer() = default;

void CollectableItemRenderer::loadResources(ResourceManager* resources) {
    TexItemRenderer::loadResources(resources);
    TextureFactory& factory = owner_->textureFactory();
    hintParticle_ =
        resources->sharedTexture("SCENEGUI_HINT_PARTICLE", HintParticleImage, factory, Texture::KeepNothing);
    trail_ = resources->sharedTexture("SCENEGUI_ITEM_TRAIL", TrailImage, factory, Texture::KeepNothing);
}

void CollectableItemRenderer::draw(Graphics* graphics) {
    const ItemDescription& d = item_->description();
    const float halfW = texture_->getWidth() / 2.0f;
    const float halfH = texture_->getHeight() / 2.0f;
    graphics->pushMatrix();
    graphics->translate(halfW, halfH);
    graphics->scale(scale_, scale_);
    graphics->translate(-halfW, -halfH);
    graphics->drawImage(0, 0, texture_, Color(byte(d.R), byte(d.G), byte(d.B), byte(alpha_)));
    graphics->popMatrix();
    if (effect_ && effect_->isRunning()) {
        graphics->pushMatrix();
        graphics->translate(-d.x, -d.y);
        effect_->draw(graphics);
        graphics->popMatrix();
    }
    if (isHintRunning() && hintParticle_) {
        const float sparkleHalfW = hintParticle_->getWidth() / 2.0f;
        const float sparkleHalfH = hintParticle_->getHeight() / 2.0f;
        for (int i = 0; i < HintSparkles; ++i) {
            const float angle = 2.0f * i * kPi / HintSparkles + hintAngle_;
            const float x = halfW + hintRadius_ * std::cos(angle) - sparkleHalfW;
            const float y = halfH + hintRadius_ * std::sin(angle) - sparkleHalfH;
            graphics->drawImage(static_cast<int>(x), static_cast<int>(y), hintParticle_,
                                Color(255, 255, 255, byte(hintAlpha_)));
        }
    }
}

void CollectableItemRenderer::update(int milliseconds) {
    if (hintAction_) {
        hintAction_->update(milliseconds);
    }
    if (effect_ && effect_->isRunning()) {
        effect_->update(milliseconds);
    }
}

bool CollectableItemRenderer::isHintRunning() const {
    return hintAction_ && hintAction_->isRunning();
}

void CollectableItemRenderer::startHint() {
    onTop_ = true;
    hintAlpha_ = 0;
    hintAngle_ = 0.0f;
    hintRadius_ = 0.0f;
    auto* glow = new TinyActionSequence();
    glow->addAction(new TinyRelIncrementator<int>(200, &hintAlpha_, 255));
    glow->addAction(new TinyActionDelay(1000));
    glow->addAction(new TinyRelIncrementator<int>(200, &hintAlpha_, -255));
    auto* hint = new TinyParalelAction();
    hint->addAction(glow);
    hint->addAction(new TinyRelIncrementator<float>(HintLength, &hintAngle_, kPi / 4.0f));
    hint->addAction(new TinyRelIncrementator<float>(HintLength, &hintRadius_, 20.0f));
    hintAction_.reset(hint);
    hintAction_->start(this, 0);
}

void CollectableItemRenderer::actionFinished(int /*tag*/) {
    // The hint has ended; the item goes back among the others unless it is flying.
    if (!collected_) {
        onTop_ = false;
    }
}

float CollectableItemRenderer::panelScaleChange() const {
    const int largest = std::max({texture_->getWidth(), texture_->getHeight(), PanelSize});
    return static_cast<float>(PanelSize) / static_cast<float>(largest) - 1.0f;
}

void CollectableItemRenderer::mouseState(int code) {
    if (code != Pressed) {
        return;
    }
    if (hintAction_) {
        hintAction_->stop();
    }
    collected_ = true;
    owner_->itemCollected(item_);
    enabled_ = false;
    owner_->bringToFront(item_);
    alpha_ = 0;
    effect_ = std::make_unique<CollectedItemEffect>(texture_, trail_, this, random_);
    owner_->showPickup(Point(item_->description().x + texture_->getWidth() / 2.0f,
                             item_->description().y + texture_->getHeight() / 2.0f));
    const Point target = owner_->collectTarget(item_);
    effect_->start(static_cast<int>(item_->description().x), static_cast<int>(item_->description().y),
                   static_cast<int>(target.x), static_cast<int>(target.y), panelScaleChange());
    onTop_ = true;
}

void CollectableItemRenderer::collectedItemEffectFinished() {
    onTop_ = false;
    removeFromScene();
}
