#include "support/GLWindow.hpp"

#include <SDL/SDL.h>
#include <SDL/SDL_opengl.h>
#include <gtest/gtest.h>

#include <cstdlib>

#include "engine/render/ImageGraphics.hpp"
#include "engine/render/ScreenCapture.hpp"

GLWindow& GLWindow::get() {
    static GLWindow window;
    return window;
}

GLWindow::GLWindow() {
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        ADD_FAILURE() << "SDL_Init: " << SDL_GetError();
        return;
    }
    reopen();
    std::atexit(SDL_Quit);
}

void GLWindow::reopen() {
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 8);
    if (!SDL_SetVideoMode(Width, Height, 32, SDL_OPENGL)) {
        ADD_FAILURE() << "SDL_SetVideoMode: " << SDL_GetError();
        return;
    }
    graphics_.init(Width, Height, 1000);
}

void GLWindow::beginFrame() {
    graphics_.setup2D(Width, Height, 1000);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    graphics_.loadIdentity();
    graphics_.clear();
}

std::unique_ptr<SDLSurfaceImage> GLWindow::readFrame() const {
    glFinish();
    return std::make_unique<SDLSurfaceImage>(readScreen(Width, Height).release());
}

std::unique_ptr<SDLSurfaceImage> GLWindow::photograph(int width, int height,
                                                     const std::function<void(Graphics&)>& draw) {
    auto shot = std::make_unique<SDLSurfaceImage>(width, height);
    const Rect whole(0, 0, static_cast<float>(Width), static_cast<float>(Height));
    for (int ty = 0; ty < height; ty += Height) {
        for (int tx = 0; tx < width; tx += Width) {
            beginFrame();
            graphics_.translate(static_cast<float>(-tx), static_cast<float>(-ty));
            draw(graphics_);
            const std::unique_ptr<SDLSurfaceImage> tile = readFrame();
            shot->graphics()->drawImage(tx, ty, tile.get(), whole, false);
        }
    }
    return shot;
}
