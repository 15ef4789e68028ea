#pragma once

#include "engine/actions/CompositeAction.hpp"

namespace kve {

// Runs all its children at once and finishes in the first frame in which
// none of them is running any more.
class ParalelAction : public CompositeAction {
public:
    ParalelAction() = default;

    void update(int milliseconds) override;
    void check() override;
    void start(ActionListener* listener, int tag) override;
    ParalelAction* clone() const override;
    // Appends other and returns this parallel action.
    Action* inParallel(Action* other) override;

private:
    ParalelAction(const ParalelAction& other) = default;

    void step(bool fed, int milliseconds);
};

}  // namespace kve
