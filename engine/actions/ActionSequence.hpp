#pragma once

#include "engine/actions/CompositeAction.hpp"

namespace kve {

// Runs its children one after the other. A child is started in the frame
// after its predecessor finished and gets its first update one frame later;
// the sequence finishes in the frame after its last child finished.
class ActionSequence : public CompositeAction {
public:
    ActionSequence() = default;

    void update(int milliseconds) override;
    void check() override;
    void start(ActionListener* listener, int tag) override;
    ActionSequence* clone() const override;
    // Appends other and returns this sequence.
    Action* followedBy(Action* other) override;

private:
    ActionSequence(const ActionSequence& other) = default;

    // Advances the current child by the frame time, or on the game clock
    // when fed is false.
    void step(bool fed, int milliseconds);

    std::size_t index_ = 0;
};

}  // namespace kve
