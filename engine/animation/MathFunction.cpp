#include "engine/animation/MathFunction.hpp"

MathFunction::MathFunction(MathFunctionProperty* property, Functor* functor)
    : property_(property), functor_(functor) {}

MathFunction::MathFunction(const MathFunction& other)
    : property_(other.property_->clone()),
      functor_(other.functor_->clone()),
      rangeFrom_(other.rangeFrom_),
      rangeTo_(other.rangeTo_) {}

void MathFunction::setRange(float from, float to) {
    rangeFrom_ = from;
    rangeTo_ = to;
}

float MathFunction::evaluate(float t) const {
    return (*functor_)(t, property_.get());
}
