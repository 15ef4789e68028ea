#include "ShooterHand.hpp"

#include <cstdlib>

#include "ScreenLook.hpp"
#include "engine/widgets/WidgetManager.hpp"
#include "game/minigames/shooter/MgShooter.hpp"

namespace {

// The frames of travel the aim allows for either way.
const int kLead = 3;
// Frames a player takes between two shots.
const int kBetweenShots = 12;
const int kMisses = 10;

}  // namespace

bool ShooterHand::solved() const {
    return game_.getGame().isWon();
}

bool ShooterHand::aim(const ShooterGame& game, const Target& goal, int& x, int& y) const {
    const TargetLine& line = game.lines()[static_cast<std::size_t>(goal.line)];
    const int slack = kLead * (game.isEndPhase() ? 2 * game.lines().back().getSpeed() : line.getSpeed());
    const WidgetManager& widgets = *game_.getWidgetManager();
    const int middleX = goal.x + goal.width / 2;
    const int middleY = goal.y + goal.height / 2;
    long best = -1;
    for (int py = goal.y; py < goal.y + goal.height; py += 2) {
        for (int px = goal.x; px < goal.x + goal.width; px += 2) {
            const long distance = std::labs(px - middleX) + std::labs(py - middleY);
            if (best >= 0 && distance >= best) {
                continue;
            }
            // A control over the point would take the shot before the gallery sees it.
            bool holds = widgets.widgetAt(px, py) == game_.getCatchAll();
            for (int dx = -slack; dx <= slack && holds; dx += slack > 0 ? slack : 1) {
                holds = game.targetAt(px + dx, py) == &goal;
            }
            if (holds) {
                best = distance;
                x = px;
                y = py;
            }
        }
    }
    return best >= 0;
}

std::string ShooterHand::play(BotHands& hands) {
    const ShooterGame& game = game_.getGame();
    if (hitsAtShot_ >= 0) {
        record_.shotsMissed += game.getHits() > hitsAtShot_ ? 0 : 1;
        hitsAtShot_ = -1;
        if (record_.shotsMissed > kMisses) {
            return "MgShooter: " + std::to_string(record_.shotsMissed) + " shots at the goal missed it";
        }
    }
    if (game.isOver() && !game.isWon()) {
        return "MgShooter: the gallery ran out of rounds with " + std::to_string(game.getHits()) + " hits";
    }
    const Target* goal = game.goal();
    int x = 0;
    int y = 0;
    if (!ScreenLook::takesInput(game_) || !game.isPlaying() || !goal || !aim(game, *goal, x, y)) {
        return std::string();
    }
    hitsAtShot_ = game.getHits();
    const Point at = ScreenLook::designPoint(game_, x, y);
    hands.snap(static_cast<int>(at.x), static_cast<int>(at.y));
    hands.wait(kBetweenShots);
    return std::string();
}
