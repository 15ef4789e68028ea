#pragma once

#include <cstdint>

#include "engine/render/Color.hpp"
#include "engine/render/IntRect.hpp"
#include "engine/render/Point.hpp"
#include "engine/render/Rect.hpp"

class Texture;

// The one drawing interface of the game. Coordinates are virtual-screen
// pixels (origin top-left, y down). The platform class draws with OpenGL;
// tests use a recording double. The frame, strip and convenience overloads are
// implemented here in terms of the abstract primitives.
class Graphics {
public:
    virtual ~Graphics() = default;

    virtual void loadIdentity() = 0;
    virtual void clear() = 0;
    virtual void setup2D(int width, int height, int depth) = 0;
    virtual void setup3D(int width, int height) = 0;
    virtual void flip() = 0;
    virtual void fillRect(int x, int y, int w, int h, const Color& color) = 0;
    virtual void drawRect(const IntRect& rect, const Color& color);
    virtual void drawRect(int x, int y, int w, int h, const Color& color);
    virtual void drawImage(int x, int y, Texture* texture, const Color& color);
    virtual void drawImage(int x, int y, unsigned w, unsigned h, Texture* texture, const Rect& source,
                           const Color& color) = 0;
    virtual void drawImage(int x, int y, Texture* texture, const Rect& source, const Color& color);
    virtual void drawFrameH(int x, int y, int frames, int index, Texture* texture, const Color& color);
    virtual void drawFrameV(int x, int y, int frames, int index, Texture* texture, const Color& color);
    virtual void drawFrameGrid(int x, int y, int columns, int rows, int index, Texture* texture,
                               const Color& color, bool rowMajor);
    virtual void setBlending(bool enabled) = 0;
    virtual void pushMatrix() = 0;
    virtual void popMatrix() = 0;
    virtual void drawLine(const Point& a, const Point& b, float width, bool smooth, const Color& color) = 0;
    virtual void setClipRect(int x, int y, int w, int h) = 0;
    virtual void enableClipping(bool enabled) = 0;
    virtual void translate(float dx, float dy) = 0;
    virtual void rotate(float angle, float ax, float ay, float az) = 0;
    virtual void scale(float sx, float sy) = 0;
    virtual void drawOutline(int x, int y, Texture* texture, const Color& color, int thickness, float alphaThreshold,
                             unsigned w, unsigned h, const Rect& source) = 0;
    virtual void drawOutline(int x, int y, Texture* texture, const Color& color, int thickness,
                             float alphaThreshold);
    virtual void drawTexturedOutline(int x, int y, Texture* texture, Texture* pattern, int thickness,
                                     float alphaThreshold, unsigned w, unsigned h, const Rect& source) = 0;
    virtual void drawTexturedOutline(int x, int y, Texture* texture, Texture* pattern, int thickness,
                                     float alphaThreshold);
    virtual void fillTriangle(const Point& a, const Point& b, const Point& c, const Color& color) = 0;
    virtual void drawQuad(Texture* texture, const Point& p1, const Point& p2, const Point& p3, const Point& p4,
                          const Rect& source, const Color& color) = 0;
    // A convex polygon of count vertices filled with the texture; each vertex
    // has its own texture coordinates (fractions of the storage size). The
    // platform class draws it; a graphics that cannot texture draws nothing.
    virtual void drawTexturedPolygon(Texture* texture, const Point* vertices, const Point* texCoords, int count,
                                     const Color& color);

    // Source rectangles of animation frames cut out of one texture. The right
    // and bottom edges are the cell's last pixel, so a frame is drawn one pixel
    // smaller than its cell.
    static Rect frameH(int textureWidth, int textureHeight, int frames, int index);
    static Rect frameV(int textureWidth, int textureHeight, int frames, int index);
    static Rect frameGrid(int textureWidth, int textureHeight, int columns, int rows, int index, bool rowMajor);

    std::int32_t getDepth() const { return depth_; }
    void setDepth(std::int32_t depth) { depth_ = depth; }

protected:
    std::int32_t depth_ = 0;
};
