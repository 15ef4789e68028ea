#pragma once

#include "engine/actions/TinyAction.hpp"

// Writes a value into its target when started and finishes at the next
// update, which it leaves wholly unused.
template <typename T>
class TinySetter : public TinyAction {
public:
    TinySetter(T* target, T value) : target_(target), value_(value) {}

    void update(int milliseconds) override {
        if (running_) {
            finish(milliseconds);
        }
    }
    void start(kve::ActionListener* listener, int tag) override {
        *target_ = value_;
        TinyAction::start(listener, tag);
    }
    TinySetter* clone() const override { return new TinySetter(*this); }

private:
    TinySetter(const TinySetter& other) = default;

    T* target_;
    T value_;
};
