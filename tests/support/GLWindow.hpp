#pragma once

#include <functional>
#include <memory>

#include "engine/render/GLGraphics.hpp"
#include "engine/render/SDLSurfaceImage.hpp"

// The OpenGL window of a GL test program (under Xvfb): opened once, with a
// double buffer and an 8-bit stencil, and a GLGraphics set up on it. Tests
// draw a frame and read it back instead of showing it.
class GLWindow {
public:
    static constexpr int Width = 320;
    static constexpr int Height = 240;

    // The one window, opened on first use; fails the test when no window can be had.
    static GLWindow& get();

    // Sets the video mode again, which re-creates the OpenGL context, and
    // initialises the renderer on the new one.
    void reopen();
    // Identity matrix, black colour buffer, 2-D state of a fresh frame.
    void beginFrame();
    // What has been drawn since beginFrame, top row first.
    std::unique_ptr<SDLSurfaceImage> readFrame() const;
    // A picture larger than the window: draw paints the whole picture, which
    // is drawn in window-sized tiles and stitched together.
    std::unique_ptr<SDLSurfaceImage> photograph(int width, int height, const std::function<void(Graphics&)>& draw);

    GLGraphics& graphics() { return graphics_; }

private:
    GLWindow();
    GLGraphics graphics_;
};
