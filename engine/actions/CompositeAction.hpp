#pragma once

#include <cstddef>
#include <vector>

#include "engine/actions/Action.hpp"
#include "engine/actions/ActionListener.hpp"

namespace kve {

// An action made of child actions, which it owns. Children are started with
// the composite as listener and their position as tag; their events pass on
// to the composite's listener unchanged, their finishes are the composite's
// own business.
class CompositeAction : public Action, public ActionListener {
public:
    CompositeAction() = default;
    ~CompositeAction() override;

    // Takes ownership of child and gives it id.
    void addAction(Action* child, int id = -1);
    std::size_t size() const { return children_.size(); }
    Action* getAction(std::size_t index) const { return children_[index]; }

    void stop() override;
    void actionFinished(int tag) override;
    void actionEvent(int tag, int id) override;

protected:
    CompositeAction(const CompositeAction& other);

    std::vector<Action*> children_;
};

}  // namespace kve
