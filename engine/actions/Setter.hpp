#pragma once

#include "engine/actions/Action.hpp"

namespace kve {

// Writes a value into its target when started and finishes at the first
// update or check after that.
template <typename T>
class Setter : public Action {
public:
    Setter(T* target, T value) : target_(target), value_(value) {}

    void check() override {
        if (running_) {
            complete();
        }
    }
    void start(ActionListener* listener, int tag) override {
        *target_ = value_;
        Action::start(listener, tag);
    }
    Setter* clone() const override { return new Setter(*this); }

private:
    Setter(const Setter& other) = default;

    T* target_;
    T value_;
};

}  // namespace kve
