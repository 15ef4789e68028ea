#pragma once

#include <string>
#include <vector>

#include "engine/render/Graphics.hpp"

// A Graphics double that draws nothing and records every primitive call with
// its arguments, so that drawing code can be tested without a window.
class RecordingGraphics : public Graphics {
public:
    struct Call {
        std::string op;
        std::vector<float> args;
        const Texture* texture = nullptr;
        Color color;
    };

    using Graphics::drawImage;
    using Graphics::drawOutline;
    using Graphics::drawRect;
    using Graphics::drawTexturedOutline;

    void loadIdentity() override { record("loadIdentity", {}); }
    void clear() override { record("clear", {}); }
    void setup2D(int width, int height, int depth) override { record("setup2D", {f(width), f(height), f(depth)}); }
    void setup3D(int width, int height) override { record("setup3D", {f(width), f(height)}); }
    void flip() override { record("flip", {}); }
    void fillRect(int x, int y, int w, int h, const Color& color) override {
        record("fillRect", {f(x), f(y), f(w), f(h)}, nullptr, color);
    }
    void drawImage(int x, int y, unsigned w, unsigned h, Texture* texture, const Rect& s,
                   const Color& color) override {
        record("drawImage", {f(x), f(y), f(w), f(h), s.left, s.top, s.right, s.bottom}, texture, color);
    }
    void setBlending(bool enabled) override { record("setBlending", {f(enabled)}); }
    void pushMatrix() override { record("pushMatrix", {}); }
    void popMatrix() override { record("popMatrix", {}); }
    void drawLine(const Point& a, const Point& b, float width, bool smooth, const Color& color) override {
        record("drawLine", {a.x, a.y, b.x, b.y, width, f(smooth)}, nullptr, color);
    }
    void setClipRect(int x, int y, int w, int h) override { record("setClipRect", {f(x), f(y), f(w), f(h)}); }
    void enableClipping(bool enabled) override { record("enableClipping", {f(enabled)}); }
    void translate(float dx, float dy) override { record("translate", {dx, dy}); }
    void rotate(float angle, float ax, float ay, float az) override { record("rotate", {angle, ax, ay, az}); }
    void scale(float sx, float sy) override { record("scale", {sx, sy}); }
    void drawOutline(int x, int y, Texture* texture, const Color& color, int t, float threshold, unsigned w,
                     unsigned h, const Rect& s) override {
        record("drawOutline", {f(x), f(y), f(t), threshold, f(w), f(h), s.left, s.top, s.right, s.bottom}, texture,
               color);
    }
    void drawTexturedOutline(int x, int y, Texture* texture, Texture* /*pattern*/, int t, float threshold,
                             unsigned w, unsigned h, const Rect& s) override {
        record("drawTexturedOutline", {f(x), f(y), f(t), threshold, f(w), f(h), s.left, s.top, s.right, s.bottom},
               texture);
    }
    void fillTriangle(const Point& a, const Point& b, const Point& c, const Color& color) override {
        record("fillTriangle", {a.x, a.y, b.x, b.y, c.x, c.y}, nullptr, color);
    }
    void drawQuad(Texture* texture, const Point& p1, const Point& p2, const Point& p3, const Point& p4,
                  const Rect& s, const Color& color) override {
        record("drawQuad", {p1.x, p1.y, p2.x, p2.y, p3.x, p3.y, p4.x, p4.y, s.left, s.top, s.right, s.bottom},
               texture, color);
    }
    // Arguments: x, y, u, v of every vertex in turn.
    void drawTexturedPolygon(Texture* texture, const Point* vertices, const Point* texCoords, int count,
                             const Color& color) override {
        std::vector<float> args;
        for (int i = 0; i < count; ++i) {
            args.insert(args.end(), {vertices[i].x, vertices[i].y, texCoords[i].x, texCoords[i].y});
        }
        record("drawTexturedPolygon", std::move(args), texture, color);
    }

    // The calls named op, in order.
    std::vector<Call> callsOf(const std::string& op) const;
    // The names of all calls, in order.
    std::vector<std::string> ops() const;

    std::vector<Call> calls;

private:
    static float f(double v) { return static_cast<float>(v); }
    void record(const std::string& op, std::vector<float> args, const Texture* texture = nullptr,
                const Color& color = Color()) {
        calls.push_back(Call{op, std::move(args), texture, color});
    }
};
