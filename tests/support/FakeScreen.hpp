#pragma once

#include <string>

#include "engine/screens/ScreenBase.hpp"
#include "game/story/flow/FlowParameters.hpp"

// A screen that only remembers what it was built from.
class FakeScreen : public ScreenBase {
public:
    FakeScreen(const std::string& type, const FlowParameters& parameters)
        : ScreenBase(type), type_(type), parameters_(parameters) {}
    const std::string& type() const { return type_; }
    std::string text(const std::string& name) const { return parameters_.text(name, "<absent>"); }
    const FlowParameters& parameters() const { return parameters_; }

protected:
    void build() override {}
    void onEnter() override {}

private:
    std::string type_;
    FlowParameters parameters_;
};
