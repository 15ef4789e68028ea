#pragma once

#include "engine/actions/TinyAction.hpp"

// Moves its target by a distance over the length with constant acceleration:
// with a positive direction it starts slowly and speeds up, otherwise it
// starts fast and slows down. It ends exactly at start + distance.
// Instantiated for int.
template <typename T>
class TinyAccelerator : public TinyAction {
public:
    TinyAccelerator(int length, T* target, T distance, int direction);

    void update(int milliseconds) override;
    void start(kve::ActionListener* listener, int tag) override;
    TinyAccelerator* clone() const override { return new TinyAccelerator(*this); }

private:
    TinyAccelerator(const TinyAccelerator& other) = default;

    T* target_;
    T distance_;
    T startValue_{};
    int direction_;
    float acceleration_;
    int elapsed_ = 0;
    int length_;
};

extern template class TinyAccelerator<int>;
