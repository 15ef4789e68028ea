#pragma once

#include <string>

#include "engine/screens/ScreenBase.hpp"

// A screen with nothing of its own: it only holds the widgets under test.
class BareScreen : public ScreenBase {
public:
    explicit BareScreen(const std::string& name = "bare") : ScreenBase(name) {}

protected:
    void build() override {}
    void onEnter() override {}
};
