#include "KlotskyHand.hpp"

#include "ScreenLook.hpp"
#include "game/minigames/klotsky/KlotskyPiece.hpp"
#include "game/minigames/klotsky/MgKlotsky.hpp"

namespace {

// Plans made afresh after a drag that went astray, before the hand gives up.
const int kReplans = 5;

}  // namespace

bool KlotskyHand::solved() const {
    return game_.isPuzzleSolved();
}

std::string KlotskyHand::play(BotHands& hands) {
    if (!ScreenLook::takesInput(game_) || game_.isPuzzleSolved()) {
        return std::string();
    }
    if (moved_ >= 0 && game_.marker(moved_).positions != expected_) {
        if (++replans_ > kReplans) {
            return "MgKlotsky: piece " + std::to_string(moved_) + " keeps landing off the plan";
        }
        plan_.clear();
    }
    moved_ = -1;
    if (next_ >= plan_.size()) {
        const KlotskySolver::Result solution = KlotskySolver::solve(game_);
        if (!solution.solvable) {
            return "MgKlotsky: the board cannot be solved from where its pieces stand";
        }
        plan_ = solution.moves;
        next_ = 0;
    }
    return drag(plan_[next_++], hands);
}

std::string KlotskyHand::drag(const KlotskySolver::Move& move, BotHands& hands) {
    const KlotskyPiece* piece = nullptr;
    for (const KlotskyPiece* candidate : game_.getPieces()) {
        if (candidate->getMarker() == move.marker) {
            piece = candidate;
        }
    }
    Point at;
    if (!piece || !ScreenLook::pressable(game_, piece, &at)) {
        return "MgKlotsky: piece " + std::to_string(move.marker) + " is nowhere to be pressed";
    }
    const int dx = move.direction == KlotskiPuzzle::Left ? -1 : move.direction == KlotskiPuzzle::Right ? 1 : 0;
    const int dy = move.direction == KlotskiPuzzle::Up ? -1 : move.direction == KlotskiPuzzle::Down ? 1 : 0;
    const int x = static_cast<int>(at.x);
    const int y = static_cast<int>(at.y);
    hands.drag(x, y, x + dx * piece->getWidth() / 3, y + dy * piece->getHeight() / 3, 3);
    hands.wait(4);
    moved_ = move.marker;
    expected_ = game_.marker(move.marker).positions;
    for (KlotskiPuzzle::Cell& cell : expected_) {
        cell.first += dy;
        cell.second += dx;
    }
    return std::string();
}
