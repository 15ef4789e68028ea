#include "engine/widgets/ParticleEmmiter.hpp"

#include "engine/core/ProcessRandom.hpp"
#include "engine/render/Graphics.hpp"
#include "engine/render/Texture.hpp"

ParticleEmmiter::ParticleEmmiter(int particleCount, Texture* texture)
    : particleCount_(particleCount > 0 ? particleCount : 0),
      texture_(texture),
      particles_(static_cast<std::size_t>(particleCount_)),
      random_(&ProcessRandom::instance()) {}

void ParticleEmmiter::start(const ParticleEmmiterSettings& settings) {
    lifetime_ = settings.lifetime;
    velocityX_ = settings.velocityX;
    velocityY_ = settings.velocityY;
    accelerationX_ = settings.accelerationX;
    accelerationY_ = settings.accelerationY;
    originX_ = settings.originX;
    originY_ = settings.originY;
    red_ = settings.red;
    green_ = settings.green;
    blue_ = settings.blue;
    for (Particle& particle : particles_) {
        particle.active = true;
        particle.age = 0;
        particle.maxAge = lifetime_ > 0 ? lifetime_ - static_cast<unsigned>(random_->next()) % lifetime_ : 0;
        particle.alpha = 255;
        particle.color = Color::white();
        particle.x = originX_;
        particle.y = originY_;
        particle.velocityX = velocityX_;
        particle.velocityY = velocityY_;
        particle.accelerationX = accelerationX_;
        particle.accelerationY = accelerationY_;
        particle.scale = ((random_->next() % 100 - 50) * 0.01f + 1.0f) * scale_;
    }
    running_ = true;
}

void ParticleEmmiter::setOrigin(float x, float y) {
    originX_ = x;
    originY_ = y;
}

void ParticleEmmiter::setSpread(int x, int y) {
    spreadX_ = x > 0 ? x : 0;
    spreadY_ = y > 0 ? y : 0;
}

void ParticleEmmiter::setVelocityStep(float x, float y) {
    velocityStepX_ = x;
    velocityStepY_ = y;
}

void ParticleEmmiter::update(int milliseconds, ScreenBase* /*screen*/) {
    if (!running_) {
        return;
    }
    for (Particle& particle : particles_) {
        particle.age += static_cast<unsigned>(milliseconds);
        float t = lifetime_ > 0 ? static_cast<float>(particle.age) / static_cast<float>(lifetime_) : 1.0f;
        if (particle.age > particle.maxAge) {
            t = 1.0f;
        }
        particle.alpha = static_cast<int>(255.0f - 255.0f * t);
        particle.scale = (1.0f - t) * scale_;
        particle.color = Color(static_cast<std::uint8_t>(red_), static_cast<std::uint8_t>(green_),
                               static_cast<std::uint8_t>(blue_), static_cast<std::uint8_t>(particle.alpha));
        particle.x += particle.velocityX;
        particle.y += particle.velocityY;
        particle.velocityX += particle.accelerationX;
        particle.velocityY += particle.accelerationY;
        if (particle.alpha < 1) {
            rebirth(particle);
        }
    }
}

void ParticleEmmiter::rebirth(Particle& particle) {
    particle.scale = scale_;
    particle.alpha = 255;
    particle.color = Color::white();
    particle.age = 0;
    particle.x = static_cast<float>(random_->next() % (spreadX_ + 1)) + originX_ - static_cast<float>(spreadX_);
    particle.y = static_cast<float>(random_->next() % (spreadY_ + 1)) + originY_ - static_cast<float>(spreadY_);
    particle.velocityX = randomVelocity(velocityX_, velocityStepX_);
    particle.velocityY = randomVelocity(velocityY_, velocityStepY_);
    particle.accelerationX = accelerationX_;
    particle.accelerationY = accelerationY_;
}

float ParticleEmmiter::randomVelocity(float base, float step) {
    int n = static_cast<int>(base * 200.0f + 1.0f);
    if (n == 0) {
        n = 1;
    }
    return base - static_cast<float>(random_->next() % n) * step;
}

void ParticleEmmiter::draw(Graphics* graphics, ScreenBase* /*screen*/) {
    if (!running_ || texture_ == nullptr) {
        return;
    }
    const float halfWidth = static_cast<float>(texture_->getWidth()) / 2.0f;
    const float halfHeight = static_cast<float>(texture_->getHeight()) / 2.0f;
    for (const Particle& particle : particles_) {
        // Each spark is scaled about its own centre, so shrinking sparks stay
        // where they are instead of drifting toward the emitter's origin.
        graphics->pushMatrix();
        graphics->translate(particle.x, particle.y);
        graphics->scale(particle.scale, particle.scale);
        graphics->translate(-halfWidth, -halfHeight);
        graphics->drawImage(0, 0, texture_, particle.color);
        graphics->popMatrix();
    }
}
