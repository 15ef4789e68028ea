#include "DialsHand.hpp"

#include <cmath>
#include <vector>

#include "ScreenLook.hpp"
#include "engine/widgets/WidgetManager.hpp"
#include "game/minigames/dials/DialRing.hpp"
#include "game/minigames/dials/DialWidget.hpp"
#include "game/minigames/dials/MgConcentricDials.hpp"

namespace {

// A grab point has this much of its ring all round it.
const int kFirm = 3;
const int kGrid = 3;
// The pointer turns at most this many degrees a frame.
const float kStep = 12.0f;
// The ring is let go when it stands this close to home (the snap forgives more).
const float kClose = 0.75f;
// Pointer steps on one ring before it is let go wherever it is, and grabs in all.
const int kStepsPerRing = 120;
const int kGrabsPerRing = 6;
const double kDegrees = 180.0 / 3.14159265358979;

}  // namespace

bool DialsHand::solved() const {
    return game_.isPuzzleSolved();
}

float DialsHand::angleAt(int x, int y) const {
    return DialRing::pointerAngle(x, y, held_->getX(), held_->getY(), held_->getWidth(), held_->getHeight());
}

std::string DialsHand::play(BotHands& hands) {
    if (!ScreenLook::takesInput(game_)) {
        return std::string();
    }
    // A ring dragged exactly home still waits for the button to come up.
    if (held_) {
        turn(hands);
        return std::string();
    }
    if (game_.getPuzzle().isSolved()) {
        return std::string();
    }
    if (grabs_ > kGrabsPerRing * static_cast<int>(game_.getDials().size())) {
        return "MgConcentricDials: the rings would not go home after " + std::to_string(grabs_) + " grabs";
    }
    if (!grab(hands)) {
        return "MgConcentricDials: no ring that can turn is in reach of the pointer";
    }
    return std::string();
}

bool DialsHand::grab(BotHands& hands) {
    const WidgetManager& widgets = *game_.getWidgetManager();
    struct Grip {
        const DialWidget* dial;
        int x;
        int y;
    };
    std::vector<Grip> grips;
    for (const DialWidget* dial : game_.getDials()) {
        if (!dial->getRing().isActive()) {
            continue;
        }
        const int cx = dial->getX() + dial->getWidth() / 2;
        const int cy = dial->getY() + dial->getHeight() / 2;
        long best = -1;
        Grip grip{dial, 0, 0};
        for (int y = dial->getY() + kFirm; y < dial->getY() + dial->getHeight() - kFirm; y += kGrid) {
            for (int x = dial->getX() + kFirm; x < dial->getX() + dial->getWidth() - kFirm; x += kGrid) {
                const long distance = static_cast<long>(x - cx) * (x - cx) + static_cast<long>(y - cy) * (y - cy);
                bool firm = distance > best;
                for (int oy = -kFirm; oy <= kFirm && firm; oy += kFirm) {
                    for (int ox = -kFirm; ox <= kFirm && firm; ox += kFirm) {
                        firm = widgets.widgetAt(x + ox, y + oy) == dial;
                    }
                }
                if (firm) {
                    best = distance;
                    grip = {dial, x, y};
                }
            }
        }
        if (best >= 0) {
            grips.push_back(grip);
        }
    }
    if (grips.empty()) {
        return false;
    }
    const Grip& grip = grips[std::uniform_int_distribution<std::size_t>(0, grips.size() - 1)(random_)];
    held_ = grip.dial;
    pointerX_ = grip.x;
    pointerY_ = grip.y;
    radius_ = static_cast<float>(std::hypot(grip.x - (held_->getX() + held_->getWidth() / 2),
                                            grip.y - (held_->getY() + held_->getHeight() / 2)));
    lastRotation_ = held_->getRing().getRotation();
    lastAngle_ = angleAt(pointerX_, pointerY_);
    steps_ = 0;
    ++grabs_;
    const Point at = ScreenLook::designPoint(game_, pointerX_, pointerY_);
    hands.press(static_cast<int>(at.x), static_cast<int>(at.y));
    hands.wait(1);
    return true;
}

void DialsHand::turn(BotHands& hands) {
    const DialRing& ring = held_->getRing();
    const Point at = ScreenLook::designPoint(game_, pointerX_, pointerY_);
    // The ring turned by the last step: how far it goes per pointer degree.
    const float angle = angleAt(pointerX_, pointerY_);
    const float pointerTurn = DialRing::fold(angle - lastAngle_);
    const float ringTurn = DialRing::fold(ring.getRotation() - lastRotation_);
    if (std::fabs(pointerTurn) > 1.0f && std::fabs(ringTurn) > 0.01f) {
        factor_ = ringTurn / pointerTurn;
    }
    lastAngle_ = angle;
    lastRotation_ = ring.getRotation();
    const float away = DialRing::fold(ring.getHome() - ring.getRotation());
    if (!ring.isDragging() || std::fabs(away) < kClose || ++steps_ > kStepsPerRing) {
        hands.release(static_cast<int>(at.x), static_cast<int>(at.y));
        hands.wait(6);
        held_ = nullptr;
        return;
    }
    // The pointer's way round that brings the ring home; the last step goes
    // to the pixel near it whose angle leaves the ring closest to home.
    const float way = std::fmax(-kStep, std::fmin(kStep, away / factor_));
    const double target = (angle + way) / kDegrees;
    const int cx = held_->getX() + held_->getWidth() / 2;
    const int cy = held_->getY() + held_->getHeight() / 2;
    const int ex = cx + static_cast<int>(std::lround(radius_ * std::cos(target)));
    const int ey = cy + static_cast<int>(std::lround(radius_ * std::sin(target)));
    int bestX = ex;
    int bestY = ey;
    float bestMiss = 360.0f;
    for (int oy = -2; oy <= 2; ++oy) {
        for (int ox = -2; ox <= 2; ++ox) {
            const float turned = DialRing::fold(angleAt(ex + ox, ey + oy) - angle) * factor_;
            const float miss = std::fabs(DialRing::fold(away - turned));
            if (miss < bestMiss) {
                bestMiss = miss;
                bestX = ex + ox;
                bestY = ey + oy;
            }
        }
    }
    pointerX_ = bestX;
    pointerY_ = bestY;
    const Point to = ScreenLook::designPoint(game_, pointerX_, pointerY_);
    hands.move(static_cast<int>(to.x), static_cast<int>(to.y));
    hands.wait(1);
}
