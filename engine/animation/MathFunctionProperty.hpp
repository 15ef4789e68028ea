#pragma once

// The parameters of an interpolation function.
class MathFunctionProperty {
public:
    virtual ~MathFunctionProperty() = default;
    virtual MathFunctionProperty* clone() const = 0;
};

// One factor: the linear interpolator returns factor * t.
class MathFunctionPropertyLinear : public MathFunctionProperty {
public:
    explicit MathFunctionPropertyLinear(float value) : value(value) {}
    MathFunctionPropertyLinear* clone() const override { return new MathFunctionPropertyLinear(*this); }

    float value;
};
