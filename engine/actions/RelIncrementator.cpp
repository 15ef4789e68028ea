#include "engine/actions/RelIncrementator.hpp"

namespace kve {

template <>
int RelIncrementator<int>::valueAt(float fraction) const {
    return static_cast<int>(static_cast<float>(startValue_) + fraction * static_cast<float>(delta_));
}

template <>
int RelIncrementator<int>::endValue() const {
    return startValue_ + delta_;
}

template <>
unsigned char RelIncrementator<unsigned char>::valueAt(float fraction) const {
    return static_cast<unsigned char>(static_cast<int>(startValue_ + delta_ * fraction));
}

template <>
unsigned char RelIncrementator<unsigned char>::endValue() const {
    return static_cast<unsigned char>(startValue_ + delta_);
}

template class RelIncrementator<int>;
template class RelIncrementator<unsigned char>;

}  // namespace kve
