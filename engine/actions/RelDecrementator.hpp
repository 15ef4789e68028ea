#pragma once

#include "engine/actions/RelativeChange.hpp"

namespace kve {

// Subtracts delta from its target over the length, evenly, on the game clock
// or fed frame times. unsigned char values keep the low byte of the
// difference without clamping. Instantiated for float and unsigned char.
template <typename T>
class RelDecrementator : public RelativeChange<T> {
public:
    RelDecrementator(int length, T* target, T delta, const Timer* timer = nullptr)
        : RelativeChange<T>(length, target, delta, timer) {}

    RelDecrementator* clone() const override { return new RelDecrementator(*this); }

protected:
    T valueAt(float fraction) const override;
    T endValue() const override;

private:
    RelDecrementator(const RelDecrementator& other) = default;
};

template <>
float RelDecrementator<float>::valueAt(float fraction) const;
template <>
float RelDecrementator<float>::endValue() const;
template <>
unsigned char RelDecrementator<unsigned char>::valueAt(float fraction) const;
template <>
unsigned char RelDecrementator<unsigned char>::endValue() const;

extern template class RelDecrementator<float>;
extern template class RelDecrementator<unsigned char>;

}  // namespace kve
