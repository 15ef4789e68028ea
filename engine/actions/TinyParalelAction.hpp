#pragma once

#include "engine/actions/TinyCompositeAction.hpp"

// Runs all its children at once and finishes in the first frame in which
// none of them is running any more.
class TinyParalelAction : public TinyCompositeAction {
public:
    TinyParalelAction() = default;

    void update(int milliseconds) override;
    void start(kve::ActionListener* listener, int tag) override;
    TinyParalelAction* clone() const override;
    // Appends other and returns this parallel action.
    TinyAction* inParallel(TinyAction* other) override;

private:
    TinyParalelAction(const TinyParalelAction& other) = default;
};
