#pragma once

#include "engine/animation/AnimationListener.hpp"

// What a screen implements to hear from its AnimationPlayer.
class AnimationPlayerListener : public AnimationListener {};
