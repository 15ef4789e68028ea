#include "game/minigames/klotsky/KlotskyPiece.hpp"

#include "game/minigames/klotsky/MgKlotsky.hpp"

KlotskyPiece::KlotskyPiece(Texture* texture, int marker, bool horizontal, MgKlotsky& owner)
    : ClickableImageWidget(texture), marker_(marker), horizontal_(horizontal), owner_(owner) {
    setWholeRectangleHit(true);
}

void KlotskyPiece::pressed(const MouseEvent& event) {
    if (event.buttons & MouseEvent::Left) {
        dragging_ = true;
    }
}

void KlotskyPiece::released(const MouseEvent& event) {
    if (event.buttons & MouseEvent::Left) {
        drop();
    }
}

void KlotskyPiece::drop() {
    dragging_ = false;
    dx_ = 0;
    dy_ = 0;
}

void KlotskyPiece::follow(int& travelled, int threshold, int forward, int backward) {
    if (travelled >= threshold && owner_.canMove(marker_, forward)) {
        owner_.moveMarker(marker_, forward);
        travelled = static_cast<int>(-threshold * 0.5);
    }
    if (travelled < -threshold && owner_.canMove(marker_, backward)) {
        owner_.moveMarker(marker_, backward);
        travelled = static_cast<int>(threshold * 0.5);
    }
}

void KlotskyPiece::dragged(const MouseEvent& event) {
    if (!dragging_) {
        return;
    }
    const int x = getX();
    const int y = getY();
    const int cx = static_cast<int>(x + getWidth() * 0.5);
    const int cy = static_cast<int>(y + getHeight() * 0.5);
    const bool sideways = horizontal_;
    // Leaving the piece's lane across its axis drops it where it is.
    if ((!sideways && (event.x < x || event.x >= x + getWidth())) ||
        (sideways && (event.y < y || event.y >= y + getHeight()))) {
        drop();
        return;
    }
    dx_ += event.relX;
    dy_ += event.relY;
    if (sideways) {
        follow(dx_, static_cast<int>(0.5 * (cx - x)), KlotskiPuzzle::Right, KlotskiPuzzle::Left);
    } else {
        follow(dy_, static_cast<int>(0.5 * (cy - y)), KlotskiPuzzle::Down, KlotskiPuzzle::Up);
    }
    setPosition(owner_.markerPixelX(marker_), owner_.markerPixelY(marker_));
    if (owner_.isSolved()) {
        owner_.puzzleSolved();
    }
}
