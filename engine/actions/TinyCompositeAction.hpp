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
    TinyAction* getAction(std::size_t index) const { return children_[index]; }

    void stop() override;
    void actionFinished(int tag) override;

protected:
    TinyCompositeAction(const TinyCompositeAction& other);

    std::vector<TinyAction*> children_;
};
