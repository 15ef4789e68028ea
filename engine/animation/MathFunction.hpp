#pragma once

#include <memory>

#include "engine/animation/IFunctor.hpp"
#include "engine/animation/MathFunctionProperty.hpp"

// An interpolation function: a functor evaluated at t with its own
// parameters, and the range it is meant for. Copies are deep.
class MathFunction {
public:
    using Functor = IFunctor<float, float, MathFunctionProperty*>;

    // Takes ownership of both.
    MathFunction(MathFunctionProperty* property, Functor* functor);
    MathFunction(const MathFunction& other);
    MathFunction& operator=(const MathFunction&) = delete;
    virtual ~MathFunction() = default;

    virtual void setRange(float from, float to);
    virtual float evaluate(float t) const;

    float getRangeFrom() const { return rangeFrom_; }
    float getRangeTo() const { return rangeTo_; }

private:
    std::unique_ptr<MathFunctionProperty> property_;
    std::unique_ptr<Functor> functor_;
    float rangeFrom_ = 1.0f;
    float rangeTo_ = -1.0f;
};
