#pragma once

#include "engine/actions/RelativeChange.hpp"

namespace kve {

// Adds delta to its target over the length, evenly, on the game clock or fed
// frame times. Integer values are truncated toward zero; unsigned char values
// keep the low byte of the sum without clamping (200 + 100 ends at 44).
// Instantiated for int and unsigned char.
template <typename T>
class RelIncrementator : public RelativeChange<T> {
public:
    RelIncrementator(int length, T* target, T delta, const Timer* timer = nullptr)
        : RelativeChange<T>(length, target, delta, timer) {}

    RelIncrementator* clone() const override { return new RelIncrementator(*this); }

protected:
    T valueAt(float fraction) const override;
    T endValue() const override;

private:
    RelIncrementator(const RelIncrementator& other) = default;
};

template <>
int RelIncrementator<int>::valueAt(float fraction) const;
template <>
int RelIncrementator<int>::endValue() const;
template <>
unsigned char RelIncrementator<unsigned char>::valueAt(float fraction) const;
template <>
unsigned char RelIncrementator<unsigned char>::endValue() const;

extern template class RelIncrementator<int>;
extern template class RelIncrementator<unsigned char>;

}  // namespace kve
