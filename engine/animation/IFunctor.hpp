#pragma once

// A callable object that can be copied through its base.
template <typename R, typename A, typename P>
class IFunctor {
public:
    virtual ~IFunctor() = default;
    virtual R operator()(A argument, P parameters) const = 0;
    virtual IFunctor* clone() const = 0;
};

// Calls a member function of an object it does not own.
template <typename T, typename R, typename A, typename P>
class CustomFunctor : public IFunctor<R, A, P> {
public:
    using Method = R (T::*)(A, P) const;

    CustomFunctor(const T* object, Method method) : object_(object), method_(method) {}

    R operator()(A argument, P parameters) const override { return (object_->*method_)(argument, parameters); }
    CustomFunctor* clone() const override { return new CustomFunctor(*this); }

private:
    const T* object_;
    Method method_;
};
