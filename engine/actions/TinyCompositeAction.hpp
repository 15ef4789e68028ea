#pragma once

#include <cstddef>
#include <vector>

#include "engine/actions/ActionListener.hpp"
#include "engine/actions/TinyAction.hpp"

// A Tiny action made of child actions, which it owns. Children are started
// with the composite as listener and their position as tag; their finishes
// are the composite's own business.
class TinyCompositeAction : public TinyAction, public kve::ActionListener {
public:
    TinyCompositeAction() = default;
    ~TinyCompositeAction() override;

    // Takes ownership of child.
    void addAction(TinyAction* child);
    std::size_t size() const { return children_.size(); }
    // A seamless composite moves on within the frame in which a step ends
    // and hands the next step the time the last one did not use, so a chain
    // of steps lasts exactly the sum of their lengths (key-frame timelines
    // need this). Otherwise each step costs a frame of its own.
    void setSeamless(bool seamless) { seamless_ = seamless; }
    TinyAction* getAction(std::size_t index) const { return children_[index]; }

    void stop() override;
    void actionFinished(int tag) override;

protected:
    TinyCompositeAction(const TinyCompositeAction& other);

    std::vector<TinyAction*> children_;
    bool seamless_ = false;
};
