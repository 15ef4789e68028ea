#include "engine/transitions/PortalEffectTransition.hpp"

#include <algorithm>
#include <cmath>

#include "engine/actions/TinyParalelAction.hpp"
#include "engine/actions/TinyRelIncrementator.hpp"
#include "engine/render/Graphics.hpp"
#include "engine/render/Texture.hpp"
#include "engine/transitions/ScreenArea.hpp"
#include "engine/widgets/ParticleEmmiter.hpp"

namespace {

constexpr int kSparksPerEmitter = 24;
constexpr float kOuterRadius = 512.0f;
constexpr int kClosingSegments = 96;

// The spiral at angle a (radians): radius a * 30 + 1 around the screen centre.
Point spiralPoint(float a) {
    const float radius = a * 30.0f + 1.0f;
    return Point(std::cos(a) * radius, std::sin(a) * radius);
}

// Warm sparks that burst out of the spiral's tip and fall slowly.
ParticleEmmiterSettings sparkSettings(const Point& at) {
    ParticleEmmiterSettings settings;
    settings.lifetime = 700;
    settings.velocityX = 1.0f;
    settings.velocityY = 1.0f;
    settings.accelerationY = 0.03f;
    settings.originX = at.x;
    settings.originY = at.y;
    settings.red = 255;
    settings.green = 230;
    settings.blue = 140;
    return settings;
}

}  // namespace

PortalEffectTransition::PortalEffectTransition(int direction, Texture* openingGrab, Texture* closingGrab,
                                               Texture* portalPicture, Texture* spark, int duration)
    : direction_(direction),
      duration_(duration),
      openingGrab_(openingGrab),
      closingGrab_(closingGrab),
      portalPicture_(portalPicture) {
    for (int i = 0; i < 2; ++i) {
        auto emitter = std::make_unique<ParticleEmmiter>(kSparksPerEmitter, spark);
        emitter->setSpread(3, 3);
        emitters_.push_back(std::move(emitter));
    }
}

PortalEffectTransition::~PortalEffectTransition() = default;

void PortalEffectTransition::begin() {
    spiral_.clear();
    spiral_.reserve(static_cast<std::size_t>(std::max(duration_, 0)) / 16 + 2);
    for (auto& emitter : emitters_) {
        emitter->stop();
    }
    if (direction_ == 1) {
        angle_ = 0.0f;
        action_ = std::make_unique<TinyRelIncrementator<float>>(duration_, &angle_, kFullAngle);
    } else {
        angle_ = kFullAngle;
        scale_ = 1.0f;
        auto parallel = std::make_unique<TinyParalelAction>();
        parallel->addAction(new TinyRelIncrementator<float>(duration_, &angle_, -kFullAngle));
        parallel->addAction(new TinyRelIncrementator<float>(duration_, &scale_, -1.0f));
        action_ = std::move(parallel);
    }
    action_->start(nullptr, 0);
}

void PortalEffectTransition::update(int milliseconds) {
    if (!isRunning()) {
        return;
    }
    if (action_ == nullptr || !action_->isRunning()) {
        finish();
        return;
    }
    action_->update(milliseconds);
    spiral_.push_back(spiralPoint(angle_));
    if (angle_ > 0.2f) {
        placeSparks();
    }
    for (auto& emitter : emitters_) {
        emitter->update(milliseconds, nullptr);
    }
}

void PortalEffectTransition::placeSparks() {
    // One emitter follows the tip of the spiral, the other the point before it.
    for (std::size_t i = 0; i < emitters_.size() && i < spiral_.size(); ++i) {
        const Point& at = spiral_[spiral_.size() - 1 - i];
        if (emitters_[i]->isRunning()) {
            emitters_[i]->setOrigin(at.x, at.y);
        } else {
            emitters_[i]->start(sparkSettings(at));
        }
    }
}

void PortalEffectTransition::drawUpper(Graphics* graphics) {
    if (!isRunning()) {
        return;
    }
    Texture* background = openingGrab_ != nullptr ? openingGrab_ : closingGrab_;
    if (background != nullptr) {
        graphics->drawImage(0, 0, background, Color::white());
    }
    graphics->pushMatrix();
    graphics->translate(static_cast<float>(transitionScreenWidth()) / 2.0f,
                        static_cast<float>(transitionScreenHeight()) / 2.0f);
    if (portalPicture_ != nullptr && portalPicture_->getStorageWidth() > 0 &&
        portalPicture_->getStorageHeight() > 0) {
        if (direction_ == 1) {
            drawOpening(graphics);
        } else {
            drawClosing(graphics);
        }
    }
    for (auto& emitter : emitters_) {
        emitter->draw(graphics, nullptr);
    }
    graphics->popMatrix();
}

void PortalEffectTransition::drawOpening(Graphics* graphics) const {
    // The hole becomes opaque within the first half turn.
    const float opacity = std::clamp(angle_ * 0.125f * 3.14159265f, 0.0f, 1.0f);
    const Color color(255, 255, 255, static_cast<std::uint8_t>(opacity * 255.0f));
    const Point centre(0.0f, 0.0f);
    for (std::size_t i = 1; i < spiral_.size(); ++i) {
        const Point vertices[3] = {centre, spiral_[i - 1], spiral_[i]};
        const Point texCoords[3] = {portalTexCoord(vertices[0]), portalTexCoord(vertices[1]),
                                    portalTexCoord(vertices[2])};
        graphics->drawTexturedPolygon(portalPicture_, vertices, texCoords, 3, color);
    }
}

void PortalEffectTransition::drawClosing(Graphics* graphics) const {
    // The hole still open is what the spiral's outermost turn encloses: for
    // each direction, up to the largest spiral angle not above the current
    // one, or nothing where the spiral has not reached yet. The portal picture
    // covers the rest out to radius 512, so the hole closes completely.
    const float turn = 2.0f * 3.14159265f;
    const float step = turn / static_cast<float>(kClosingSegments);
    auto inner = [](float t) { return t > 0.0f ? spiralPoint(t) : Point(0.0f, 0.0f); };
    auto outer = [](float t) { return Point(std::cos(t) * kOuterRadius, std::sin(t) * kOuterRadius); };
    for (int i = 0; i < kClosingSegments; ++i) {
        const float from = angle_ - turn + step * static_cast<float>(i);
        const float to = from + step;
        const Point vertices[4] = {inner(from), inner(to), outer(to), outer(from)};
        const Point texCoords[4] = {portalTexCoord(vertices[0]), portalTexCoord(vertices[1]),
                                    portalTexCoord(vertices[2]), portalTexCoord(vertices[3])};
        graphics->drawTexturedPolygon(portalPicture_, vertices, texCoords, 4, Color::white());
    }
}

Point PortalEffectTransition::portalTexCoord(const Point& point) const {
    return Point((static_cast<float>(portalPicture_->getWidth()) / 2.0f + point.x) /
                     static_cast<float>(portalPicture_->getStorageWidth()),
                 (static_cast<float>(portalPicture_->getHeight()) / 2.0f + point.y) /
                     static_cast<float>(portalPicture_->getStorageHeight()));
}
