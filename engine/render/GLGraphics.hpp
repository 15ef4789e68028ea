#pragma once

#include <cstdint>

#include "engine/render/Graphics.hpp"

// The screen renderer: OpenGL 1.x immediate mode, one texture unit. Created
// by the application once the video mode is set and initialised with the
// screen size; the outline operations need a stencil buffer of 8 bits.
class GLGraphics : public Graphics {
public:
    using Graphics::drawImage;
    using Graphics::drawOutline;
    using Graphics::drawRect;
    using Graphics::drawTexturedOutline;

    // Viewport, orthographic projection with y downwards, blending and alpha
    // test on; depth, stencil and scissor tests off.
    void init(int width, int height, int depth);
    // The height clip rectangles count from; 0: the viewport's.
    void setScreenHeight(int height) { screenHeight_ = height; }

    // Matrix pushes and pops since the last reset (frame statistics).
    std::uint32_t matrixPushes() const { return matrixPushes_; }
    std::uint32_t matrixPops() const { return matrixPops_; }
    void resetMatrixCounts() {
        matrixPushes_ = 0;
        matrixPops_ = 0;
    }

    void loadIdentity() override;
    void clear() override;
    void setup2D(int width, int height, int depth) override;
    void setup3D(int width, int height) override;
    void flip() override;
    void fillRect(int x, int y, int w, int h, const Color& color) override;
    void drawImage(int x, int y, unsigned w, unsigned h, Texture* texture, const Rect& source,
                   const Color& color) override;
    // Only switching blending on is a change; false leaves it as it is.
    void setBlending(bool enabled) override;
    void pushMatrix() override;
    void popMatrix() override;
    void drawLine(const Point& a, const Point& b, float width, bool smooth, const Color& color) override;
    // The box in screen pixels from the top-left; OpenGL counts from the bottom.
    void setClipRect(int x, int y, int w, int h) override;
    void enableClipping(bool enabled) override;
    void translate(float dx, float dy) override;
    void rotate(float angle, float ax, float ay, float az) override;
    void scale(float sx, float sy) override;
    // A band of about `thickness` pixels along the border of the texture's
    // shape (texels with alpha above the threshold), filled with the colour.
    void drawOutline(int x, int y, Texture* texture, const Color& color, int thickness, float alphaThreshold,
                     unsigned w, unsigned h, const Rect& source) override;
    // The same band filled with the pattern texture drawn at (x - t, y - t).
    void drawTexturedOutline(int x, int y, Texture* texture, Texture* pattern, int thickness, float alphaThreshold,
                             unsigned w, unsigned h, const Rect& source) override;
    void fillTriangle(const Point& a, const Point& b, const Point& c, const Color& color) override;
    void drawQuad(Texture* texture, const Point& p1, const Point& p2, const Point& p3, const Point& p4,
                  const Rect& source, const Color& color) override;
    void drawTexturedPolygon(Texture* texture, const Point* vertices, const Point* texCoords, int count,
                             const Color& color) override;

private:
    // The colour set, texturing on and the texture bound: the start of every textured draw.
    void beginTextured(Texture* texture, const Color& color);
    void markOutlineShape(int x, int y, Texture* texture, int thickness, float alphaThreshold, unsigned w,
                          unsigned h, const Rect& source);
    void paintOutlineBand();

    int screenHeight_ = 0;
    std::uint32_t matrixPushes_ = 0;
    std::uint32_t matrixPops_ = 0;
};
