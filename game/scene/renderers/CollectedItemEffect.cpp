#include "game/scene/renderers/CollectedItemEffect.hpp"

#include <algorithm>
#include <cmath>

#include "engine/actions/TinyAccelerator.hpp"
#include "engine/actions/TinyActionSequence.hpp"
#include "engine/actions/TinyParalelAction.hpp"
#include "engine/actions/TinyRelIncrementator.hpp"
#include "engine/actions/TinySetter.hpp"
#include "engine/core/RandomSource.hpp"
#include "engine/render/Graphics.hpp"
#include "engine/render/Texture.hpp"

namespace {
const int kFadeOut = 500;
const float kFall = 0.02f;
}  // namespace

CollectedItemEffect::CollectedItemEffect(Texture* item, Texture* trail, CollectedItemEffectListener* listener,
                                         RandomSource& random)
    : item_(item), trail_(trail), listener_(listener), random_(random), particles_(TrailParticles) {}

CollectedItemEffect::~CollectedItemEffect() = default;

void CollectedItemEffect::start(int startX, int startY, int targetX, int targetY, float scaleChange) {
    if (sequence_) {
        sequence_->stop();
    }
    x_ = startX;
    y_ = startY;
    alpha_ = 255;
    scale_ = 1.0f;
    arrived_ = false;
    const int w = item_ ? item_->getWidth() : 0;
    const int h = item_ ? item_->getHeight() : 0;
    const float dx = static_cast<float>(targetX - startX) - w / 2.0f;
    const float dy = static_cast<float>(targetY - startY) - h / 2.0f;
    const int flight = static_cast<int>(3.0f * std::sqrt(dx * dx + dy * dy));

    auto* swing = new TinyActionSequence();
    swing->addAction(new TinyAccelerator<int>(flight / 2, &x_, static_cast<int>(-0.1f * dx), -1));
    swing->addAction(new TinyAccelerator<int>(flight / 2, &x_, static_cast<int>(1.1f * dx), +1));
    auto* flightParts = new TinyParalelAction();
    flightParts->addAction(swing);
    flightParts->addAction(new TinyRelIncrementator<int>(flight, &y_, static_cast<int>(dy)));
    flightParts->addAction(new TinyRelIncrementator<float>(flight, &scale_, scaleChange));
    auto* sequence = new TinyActionSequence();
    sequence->addAction(flightParts);
    sequence->addAction(new TinySetter<bool>(&arrived_, true));
    sequence->addAction(new TinyRelIncrementator<int>(kFadeOut, &alpha_, -255));
    sequence_.reset(sequence);
    for (Particle& particle : particles_) {
        spawn(particle);
        // Spread the first sparks over their lifetime so the trail does not pulse.
        particle.age = random_.below(TrailLifetime);
    }
    running_ = true;
    sequence_->start(this, 0);
}

void CollectedItemEffect::spawn(Particle& particle) {
    const int w = item_ ? item_->getWidth() : 0;
    const int h = item_ ? item_->getHeight() : 0;
    particle.x = static_cast<float>(x_) + w * scale_ / 2.0f;
    particle.y = static_cast<float>(y_) + h * scale_ / 2.0f;
    particle.velocityX = (random_.below(101) - 50) / 50.0f;
    particle.velocityY = -random_.below(101) / 100.0f;
    particle.age = 0;
    particle.alpha = 255;
}

void CollectedItemEffect::update(int milliseconds) {
    if (!running_) {
        return;
    }
    sequence_->update(milliseconds);
    for (Particle& particle : particles_) {
        particle.age = std::min(particle.age + milliseconds, TrailLifetime);
        particle.alpha = 255 - 255 * particle.age / TrailLifetime;
        particle.x += particle.velocityX;
        particle.y += particle.velocityY;
        particle.velocityY += kFall;
        if (particle.alpha <= 0 && !arrived_) {
            spawn(particle);
        }
    }
}

void CollectedItemEffect::draw(Graphics* graphics) {
    if (!running_) {
        return;
    }
    if (trail_) {
        for (const Particle& particle : particles_) {
            graphics->drawImage(static_cast<int>(particle.x), static_cast<int>(particle.y), trail_,
                                Color(255, 255, 255, static_cast<std::uint8_t>(std::clamp(particle.alpha, 0, 255))));
        }
    }
    if (!item_) {
        return;
    }
    const float halfW = item_->getWidth() / 2.0f;
    const float halfH = item_->getHeight() / 2.0f;
    graphics->pushMatrix();
    graphics->translate(static_cast<float>(x_) + halfW, static_cast<float>(y_) + halfH);
    graphics->scale(scale_, scale_);
    graphics->translate(-halfW, -halfH);
    graphics->drawImage(0, 0, item_, Color(255, 255, 255, static_cast<std::uint8_t>(std::clamp(alpha_, 0, 255))));
    graphics->popMatrix();
}

void CollectedItemEffect::actionFinished(int /*tag*/) {
    running_ = false;
    if (listener_) {
        listener_->collectedItemEffectFinished();
    }
}
