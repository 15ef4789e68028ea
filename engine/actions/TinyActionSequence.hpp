#pragma once

#include "engine/actions/TinyCompositeAction.hpp"

// Runs its children one after the other. A child is started in the frame
// after its predecessor finished and gets its first update one frame later;
// the sequence finishes in the frame after its last child finished.
class TinyActionSequence : public TinyCompositeAction {
public:
    TinyActionSequence() = default;

    void update(int milliseconds) override;
    void start(kve::ActionListener* listener, int tag) override;
    TinyActionSequence* clone() const override;
    // Appends other and returns this sequence.
    TinyAction* followedBy(TinyAction* other) override;

private:
    TinyActionSequence(const TinyActionSequence& other);

    std::size_t index_ = 0;
    TinyAction* current_ = nullptr;
};
