#pragma once

#include "engine/actions/TinyAction.hpp"

// Does nothing until it has been fed its length, then finishes.
class TinyActionDelay : public TinyAction {
public:
    explicit TinyActionDelay(int length) : length_(length) {}

    void update(int milliseconds) override;
    void start(kve::ActionListener* listener, int tag) override;
    TinyActionDelay* clone() const override;

private:
    TinyActionDelay(const TinyActionDelay& other) = default;

    int elapsed_ = 0;
    int length_;
};
