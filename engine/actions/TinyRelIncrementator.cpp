#include "engine/actions/TinyRelIncrementator.hpp"

template <typename T>
void TinyRelIncrementator<T>::update(int milliseconds) {
    if (!running_) {
        return;
    }
    elapsed_ += milliseconds;
    if (elapsed_ >= length_) {
        *target_ = static_cast<T>(startValue_ + delta_);
        finishOverrun(elapsed_, length_, milliseconds);
        return;
    }
    const double value = static_cast<double>(reciprocal_) * elapsed_ * static_cast<double>(delta_) +
                         static_cast<double>(startValue_);
    *target_ = static_cast<T>(value);
}

template <typename T>
void TinyRelIncrementator<T>::start(kve::ActionListener* listener, int tag) {
    elapsed_ = 0;
    startValue_ = *target_;
    TinyAction::start(listener, tag);
    if (length_ > 0) {
        reciprocal_ = 1.0f / static_cast<float>(length_);
    } else {
        finish();
    }
}

template class TinyRelIncrementator<int>;
template class TinyRelIncrementator<float>;
