#pragma once

#include "engine/render/Graphics.hpp"

// A graphics that draws nothing: a run without a window still walks every
// screen's drawing code (which may grab the frame or lay out its widgets) at
// no cost.
class NullGraphics : public Graphics {
public:
    void loadIdentity() override {}
    void clear() override {}
    void setup2D(int, int, int) override {}
    void setup3D(int, int) override {}
    void flip() override {}
    void fillRect(int, int, int, int, const Color&) override {}
    void drawImage(int, int, unsigned, unsigned, Texture*, const Rect&, const Color&) override {}
    void setBlending(bool) override {}
    void pushMatrix() override {}
    void popMatrix() override {}
    void drawLine(const Point&, const Point&, float, bool, const Color&) override {}
    void setClipRect(int, int, int, int) override {}
    void enableClipping(bool) override {}
    void translate(float, float) override {}
    void rotate(float, float, float, float) override {}
    void scale(float, float) override {}
    void drawOutline(int, int, Texture*, const Color&, int, float, unsigned, unsigned, const Rect&) override {}
    void drawTexturedOutline(int, int, Texture*, Texture*, int, float, unsigned, unsigned, const Rect&) override {}
    void fillTriangle(const Point&, const Point&, const Point&, const Color&) override {}
    void drawQuad(Texture*, const Point&, const Point&, const Point&, const Point&, const Rect&,
                  const Color&) override {}
    using Graphics::drawImage;
    using Graphics::drawOutline;
    using Graphics::drawTexturedOutline;
};
