#pragma once

#include <memory>
#include <vector>

#include "engine/actions/ActionListener.hpp"

class Graphics;
class RandomSource;
class Texture;
class TinyAction;

// Told when a found item has finished its flight.
class CollectedItemEffectListener {
public:
    virtual ~CollectedItemEffectListener() = default;
    virtual void collectedItemEffectFinished() = 0;
};

// The flight of one found item to the goal panel: a short swing back, then
// an accelerating flight that lands the item's centre on the target while it
// shrinks, then a fade, with a trail of falling sparks behind it. Owned by
// the item's renderer; the textures are not owned.
class CollectedItemEffect : public kve::ActionListener {
public:
    static constexpr int TrailParticles = 12;
    static constexpr int TrailLifetime = 450;

    CollectedItemEffect(Texture* item, Texture* trail, CollectedItemEffectListener* listener, RandomSource& random);
    ~CollectedItemEffect() override;

    void start(int startX, int startY, int targetX, int targetY, float scaleChange);
    void update(int milliseconds);
    // In scene coordinates.
    void draw(Graphics* graphics);
    void actionFinished(int tag) override;

    bool isRunning() const { return running_; }
    bool hasArrived() const { return arrived_; }
    int getX() const { return x_; }
    int getY() const { return y_; }
    float getScale() const { return scale_; }
    int getAlpha() const { return alpha_; }

    struct Particle {
        float x = 0.0f;
        float y = 0.0f;
        float velocityX = 0.0f;
        float velocityY = 0.0f;
        int age = 0;
        int alpha = 0;
    };
    const std::vector<Particle>& getParticles() const { return particles_; }

private:
    void spawn(Particle& particle);

    Texture* item_;
    Texture* trail_;
    CollectedItemEffectListener* listener_;
    RandomSource& random_;
    std::unique_ptr<TinyAction> sequence_;
    std::vector<Particle> particles_;
    int x_ = 0;
    int y_ = 0;
    float scale_ = 1.0f;
    int alpha_ = 255;
    bool arrived_ = false;
    bool running_ = false;
};
