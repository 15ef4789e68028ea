#pragma once

#include "engine/actions/TinyAction.hpp"

// Adds delta to its target over the length, evenly, by the fed frame times,
// and writes the exact end value when the time is up. The rate is a
// single-precision reciprocal of the length, so an intermediate int value can
// fall one below the exact ratio (255 - 255 * 100/500 gives 203). A length of
// 0 finishes inside start and leaves the target alone. Instantiated for int
// and float; int values are truncated toward zero.
template <typename T>
class TinyRelIncrementator : public TinyAction {
public:
    TinyRelIncrementator(int length, T* target, T delta) : target_(target), delta_(delta), length_(length) {}

    void update(int milliseconds) override;
    void start(kve::ActionListener* listener, int tag) override;
    TinyRelIncrementator* clone() const override { return new TinyRelIncrementator(*this); }

private:
    TinyRelIncrementator(const TinyRelIncrementator& other) = default;

    T startValue_{};
    T* target_;
    T delta_;
    int elapsed_ = 0;
    int length_;
    float reciprocal_ = 0.0f;
};

extern template class TinyRelIncrementator<int>;
extern template class TinyRelIncrementator<float>;
