#pragma once

#include <vector>

#include "engine/render/Color.hpp"
#include "engine/widgets/Widget.hpp"

class RandomSource;
class Texture;

// What a particle emitter is started with.
struct ParticleEmmiterSettings {
    unsigned lifetime = 0;
    float velocityX = 0.0f;
    float velocityY = 0.0f;
    float accelerationX = 0.0f;
    float accelerationY = 0.0f;
    float originX = 0.0f;
    float originY = 0.0f;
    int red = 255;
    int green = 255;
    int blue = 0;
};

// A fountain of sparks: a fixed number of particles that fly from the origin,
// fade and shrink over the lifetime and are reborn near the origin. Positions
// move by the velocity once per frame. The texture is not owned; without one
// nothing is drawn.
class ParticleEmmiter : public Widget {
public:
    ParticleEmmiter(int particleCount, Texture* texture);

    void start(const ParticleEmmiterSettings& settings);
    void stop() { running_ = false; }
    bool isRunning() const { return running_; }
    // Moves the place where particles are reborn.
    void setOrigin(float x, float y);
    void setSpread(int x, int y);
    void setVelocityStep(float x, float y);
    void setScale(float scale) { scale_ = scale; }
    // Where the particles' ages, sizes and places come from (the process's
    // random source unless another is given).
    void setRandomSource(RandomSource& random) { random_ = &random; }

    void update(int milliseconds, ScreenBase* screen) override;
    void draw(Graphics* graphics, ScreenBase* screen) override;

    struct Particle {
        bool active = false;
        unsigned age = 0;
        unsigned maxAge = 0;
        int alpha = 255;
        Color color;
        float x = 0.0f;
        float y = 0.0f;
        float velocityX = 0.0f;
        float velocityY = 0.0f;
        float accelerationX = 0.0f;
        float accelerationY = 0.0f;
        float scale = 1.0f;
    };
    const std::vector<Particle>& getParticles() const { return particles_; }

private:
    void rebirth(Particle& particle);
    // A random offset of at most step * n below base, n growing with the base.
    float randomVelocity(float base, float step);

    bool running_ = false;
    unsigned lifetime_ = 0;
    float velocityX_ = 0.0f;
    float velocityY_ = 0.0f;
    float accelerationX_ = 0.0f;
    float accelerationY_ = 0.0f;
    float originX_ = 0.0f;
    float originY_ = 0.0f;
    float velocityStepX_ = 0.01f;
    float velocityStepY_ = 0.01f;
    float scale_ = 1.0f;
    int particleCount_;
    int red_ = 255;
    int green_ = 255;
    int blue_ = 0;
    int spreadX_ = 0;
    int spreadY_ = 0;
    Texture* texture_;
    std::vector<Particle> particles_;
    RandomSource* random_;
};
