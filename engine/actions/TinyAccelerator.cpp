#include "engine/actions/TinyAccelerator.hpp"

template <typename T>
TinyAccelerator<T>::TinyAccelerator(int length, T* target, T distance, int direction)
    : target_(target),
      distance_(distance),
      direction_(direction),
      acceleration_(length > 0 ? 2.0f * static_cast<float>(distance) / static_cast<float>(length) /
                                     static_cast<float>(length) * static_cast<float>(direction)
                               : 0.0f),
      length_(length) {}

template <typename T>
void TinyAccelerator<T>::update(int milliseconds) {
    elapsed_ += milliseconds;
    if (!running_) {
        return;
    }
    if (elapsed_ >= length_) {
        *target_ = startValue_ + distance_;
        finishOverrun(elapsed_, length_, milliseconds);
        return;
    }
    const double t = elapsed_;
    if (direction_ > 0) {
        *target_ = startValue_ - static_cast<T>(-0.5 * acceleration_ * t * t);
    } else {
        const double remaining = length_ - t;
        *target_ = startValue_ - static_cast<T>(-0.5 * acceleration_ * remaining * remaining) + distance_;
    }
}

template <typename T>
void TinyAccelerator<T>::start(kve::ActionListener* listener, int tag) {
    startValue_ = *target_;
    elapsed_ = 0;
    TinyAction::start(listener, tag);
}

template class TinyAccelerator<int>;
