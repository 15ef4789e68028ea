#include "engine/actions/RelDecrementator.hpp"

namespace kve {

template <>
float RelDecrementator<float>::valueAt(float fraction) const {
    return startValue_ - fraction * delta_;
}

template <>
float RelDecrementator<float>::endValue() const {
    return startValue_ - delta_;
}

template <>
unsigned char RelDecrementator<unsigned char>::valueAt(float fraction) const {
    const double value = static_cast<double>(startValue_) - static_cast<double>(delta_) * fraction;
    return static_cast<unsigned char>(static_cast<int>(value));
}

template <>
unsigned char RelDecrementator<unsigned char>::endValue() const {
    return static_cast<unsigned char>(startValue_ - delta_);
}

template class RelDecrementator<float>;
template class RelDecrementator<unsigned char>;

}  // namespace kve
