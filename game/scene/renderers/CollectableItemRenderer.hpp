#pragma once

#include <memory>

#include "engine/actions/ActionListener.hpp"
#include "game/scene/renderers/CollectedItemEffect.hpp"
#include "game/scene/renderers/TexItemRenderer.hpp"

class RandomSource;
class TinyAction;

// A hidden object that can be a goal. The hint circles it with sparkles; a
// press lifts it to the front and flies it to the goal panel, and when the
// flight ends it is taken off the scene into the collected group.
class CollectableItemRenderer : public TexItemRenderer,
                                public kve::ActionListener,
                                public CollectedItemEffectListener {
public:
    static constexpr int HintSparkles = 12;
    static constexpr int HintLength = 1400;
    static constexpr int PanelSize = 64;
    static constexpr const char* HintParticleImage = "content/images/effects/HintParticle.png";
    static constexpr const char* TrailImage = "content/images/effects/CollectedItemTrail.png";

    CollectableItemRenderer(ItemRendererOwner* owner, Item* item, RandomSource& random);
    ~CollectableItemRenderer() override;

    void loadResources(ResourceManager* resources) override;
    void draw(Graphics* graphics) override;
    void update(int milliseconds) override;
    void mouseState(int code) override;
    void startHint() override;

    void actionFinished(int tag) override;
    void collectedItemEffectFinished() override;

    bool isCollected() const override { return collected_; }
    bool isHintRunning() const;
    int getAlpha() const { return alpha_; }
    int getHintAlpha() const { return hintAlpha_; }
    const CollectedItemEffect* getEffect() const { return effect_.get(); }

private:
    // The scale change that leaves the item at most PanelSize wide and high.
    float panelScaleChange() const;

    RandomSource& random_;
    std::unique_ptr<TinyAction> hintAction_;
    std::unique_ptr<CollectedItemEffect> effect_;
    Texture* hintParticle_ = nullptr;
    Texture* trail_ = nullptr;
    float scale_ = 1.0f;
    int alpha_ = 255;
    int hintAlpha_ = 0;
    float hintRadius_ = 0.0f;
    float hintAngle_ = 0.0f;
    bool collected_ = false;
};
