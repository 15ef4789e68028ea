#pragma once

#include <memory>
#include <vector>

#include "engine/render/Point.hpp"
#include "engine/transitions/Transition.hpp"

class ParticleEmmiter;
class Texture;
class TinyAction;

// The time portal: a spiral-shaped hole that opens (direction 1) or closes
// (direction -1) around the screen centre over the duration, four turns in
// all, showing the portal picture through it and throwing sparks from the
// tip of the spiral. Behind the hole it draws the opening grab, or the
// closing grab when there is no opening one. The pictures are screen grabs
// owned elsewhere (the global resource manager); any of them may be missing.
class PortalEffectTransition : public Transition {
public:
    static constexpr float kFullAngle = 25.132741f;  // four turns, in radians

    PortalEffectTransition(int direction, Texture* openingGrab, Texture* closingGrab, Texture* portalPicture,
                           Texture* spark, int duration = 7200);
    ~PortalEffectTransition() override;

    void update(int milliseconds) override;
    void drawUpper(Graphics* graphics) override;

    // The picture seen through the hole, when it is only drawn after the
    // transition was made (a screen grabbed on its first frame).
    void setPortalPicture(Texture* picture) { portalPicture_ = picture; }
    float getAngle() const { return angle_; }
    // Spiral points so far, relative to the screen centre, oldest first.
    const std::vector<Point>& getSpiral() const { return spiral_; }

protected:
    void begin() override;

private:
    void placeSparks();
    void drawOpening(Graphics* graphics) const;
    void drawClosing(Graphics* graphics) const;
    // Texture coordinates that show the portal picture undistorted and centred.
    Point portalTexCoord(const Point& point) const;

    int direction_;
    int duration_;
    float angle_ = 0.0f;
    float scale_ = 1.0f;
    Texture* openingGrab_;
    Texture* closingGrab_;
    Texture* portalPicture_;
    std::vector<Point> spiral_;
    std::vector<std::unique_ptr<ParticleEmmiter>> emitters_;
    std::unique_ptr<TinyAction> action_;
};
