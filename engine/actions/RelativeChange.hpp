#pragma once

#include "engine/actions/Action.hpp"
#include "engine/actions/Duration.hpp"

namespace kve {

// Moves its target from the value it had at start by a fixed amount over the
// duration and writes the exact end value when the time is up. Subclasses
// say how a fraction of the time maps to a value.
template <typename T>
class RelativeChange : public Action {
public:
    void update(int milliseconds) override {
        duration_.feed(milliseconds);
        check();
    }
    void check() override {
        if (!running_) {
            return;
        }
        const auto elapsed = static_cast<float>(duration_.elapsed());
        const auto length = static_cast<float>(duration_.getLength());
        if (elapsed >= length) {
            *target_ = endValue();
            complete();
        } else {
            *target_ = valueAt(elapsed / length);
        }
    }
    void start(ActionListener* listener, int tag) override {
        duration_.restart();
        startValue_ = *target_;
        Action::start(listener, tag);
    }

protected:
    RelativeChange(int length, T* target, T delta, const Timer* timer)
        : target_(target), delta_(delta), duration_(length, timer) {}
    RelativeChange(const RelativeChange& other) = default;

    virtual T valueAt(float fraction) const = 0;
    virtual T endValue() const = 0;

    T startValue_{};
    T* target_;
    T delta_;

private:
    Duration duration_;
};

}  // namespace kve
