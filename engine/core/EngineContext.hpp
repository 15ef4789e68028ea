#pragma once

#include "engine/core/SingletonContainer.hpp"

class TextureFactory;
class Timer;

// What the engine below the application needs to know of the running game:
// the screen size, where the pointer last was, the game clock and the factory
// that makes textures on this platform. The application fills it in while it
// lives; without one (tools, tests) the screen is 0 x 0, the pointer at
// (0, 0) and there is neither clock nor factory.
class EngineContext : public SingletonContainer<EngineContext> {
public:
    int screenWidth() const { return screenWidth_; }
    int screenHeight() const { return screenHeight_; }
    void setScreenSize(int width, int height) {
        screenWidth_ = width;
        screenHeight_ = height;
    }

    float pointerX() const { return pointerX_; }
    float pointerY() const { return pointerY_; }
    void setPointer(float x, float y) {
        pointerX_ = x;
        pointerY_ = y;
    }

    // The pausable game clock that timed actions read unless they are given one.
    const Timer* timer() const { return timer_; }
    void setTimer(const Timer* timer) { timer_ = timer; }

    // What loads a texture when its owner was given no factory of its own.
    TextureFactory* textureFactory() const { return textureFactory_; }
    void setTextureFactory(TextureFactory* factory) { textureFactory_ = factory; }

private:
    int screenWidth_ = 0;
    int screenHeight_ = 0;
    float pointerX_ = 0;
    float pointerY_ = 0;
    const Timer* timer_ = nullptr;
    TextureFactory* textureFactory_ = nullptr;
};
