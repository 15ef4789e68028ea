#pragma once

#include "engine/widgets/ClickableImageWidget.hpp"

class MgKlotsky;

// One piece of the sliding-block board under the pointer: a press picks it
// up, the drag moves it one cell each time the pointer has gone a quarter of
// the piece's extent along its axis (the rest of the way counts towards the
// next cell), and leaving the piece's row or column across its axis drops it.
// Between moves it sits where its cells are.
class KlotskyPiece : public ClickableImageWidget {
public:
    // A horizontal piece slides sideways, any other one up and down.
    KlotskyPiece(Texture* texture, int marker, bool horizontal, MgKlotsky& owner);

    int getMarker() const { return marker_; }
    bool isDragging() const { return dragging_; }
    int getDx() const { return dx_; }
    int getDy() const { return dy_; }

protected:
    void pressed(const MouseEvent& event) override;
    void dragged(const MouseEvent& event) override;
    void released(const MouseEvent& event) override;

private:
    void drop();
    // Moves the piece while the pointer has gone far enough; the residue is
    // half a threshold back towards the pointer.
    void follow(int& travelled, int threshold, int forward, int backward);

    int marker_;
    bool horizontal_;
    MgKlotsky& owner_;
    bool dragging_ = false;
    int dx_ = 0;
    int dy_ = 0;
};
