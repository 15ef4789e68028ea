#include "engine/render/GLGraphics.hpp"

#include <SDL/SDL.h>
#include <SDL/SDL_opengl.h>
#include <GL/glu.h>

#if defined(__SANITIZE_ADDRESS__)
#include <dlfcn.h>
#include <link.h>
#endif

#include "engine/render/Texture.hpp"

namespace {

void setColor(const Color& c) {
    const float k = 0.003921569f;
    glColor4f(c.r * k, c.g * k, c.b * k, c.a * k);
}

// A missing texture, or the empty one of an unreadable file, draws nothing.
bool drawable(const Texture* texture) {
    return texture && texture->getStorageWidth() > 0 && texture->getStorageHeight() > 0;
}

struct TexCoords {
    float u0, u1, v0, v1;
};

TexCoords texCoords(const Texture* texture, const Rect& s) {
    const float sw = static_cast<float>(texture->getStorageWidth());
    const float sh = static_cast<float>(texture->getStorageHeight());
    return TexCoords{s.left / sw, s.right / sw, s.top / sh, s.bottom / sh};
}

// The passes of the outline: the shape shifted by t in eight directions, then in place.
const int kOutlineOffsets[9][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}, {-1, -1}, {1, 1}, {1, -1}, {-1, 1}, {0, 0}};

#if defined(__SANITIZE_ADDRESS__)
// Under LeakSanitizer every library loaded so far (the OpenGL driver that the
// context pulled in among them) stays in memory to the end of the process:
// SDL unloads the driver at exit, before the leak report, and a block the
// driver still holds could then not be traced to it and suppressed by name.
void keepLoadedLibraries() {
    dl_iterate_phdr(
        [](dl_phdr_info* info, std::size_t, void*) {
            if (info->dlpi_name != nullptr && info->dlpi_name[0] == '/') {
                dlopen(info->dlpi_name, RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE);
            }
            return 0;
        },
        nullptr);
}
#endif

}  // namespace

void GLGraphics::init(int width, int height, int depth) {
#if defined(__SANITIZE_ADDRESS__)
    keepLoadedLibraries();
#endif
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glViewport(0, 0, width, height);
    glClear(GL_COLOR_BUFFER_BIT);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    setup2D(width, height, depth);
}

void GLGraphics::loadIdentity() {
    glLoadIdentity();
}

void GLGraphics::clear() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void GLGraphics::setup2D(int width, int height, int depth) {
    glEnable(GL_TEXTURE_2D);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0.0, width, height, 0.0, -depth, 1.0);
    glMatrixMode(GL_MODELVIEW);
    glEnable(GL_BLEND);
    glEnable(GL_ALPHA_TEST);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_STENCIL_TEST);
    glDisable(GL_SCISSOR_TEST);
    glDisable(GL_COLOR_MATERIAL);
    glLoadIdentity();
}

void GLGraphics::setup3D(int width, int height) {
    glEnable(GL_TEXTURE_2D);
    glHint(GL_POLYGON_SMOOTH_HINT, GL_NICEST);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    glEnable(GL_POLYGON_SMOOTH);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(60.0, static_cast<double>(width) / static_cast<double>(height), 0.1, 1000.0);
    glDepthRange(0.0, 1000.0);
    glMatrixMode(GL_MODELVIEW);
    glEnable(GL_BLEND);
    glDisable(GL_ALPHA_TEST);
    glEnable(GL_DEPTH_TEST);
    glDisable(GL_STENCIL_TEST);
    glDisable(GL_SCISSOR_TEST);
    glEnable(GL_COLOR_MATERIAL);
    glLoadIdentity();
}

void GLGraphics::flip() {
    SDL_GL_SwapBuffers();
}

void GLGraphics::fillRect(int x, int y, int w, int h, const Color& color) {
    glDisable(GL_TEXTURE_2D);
    setColor(color);
    const float z = static_cast<float>(depth_);
    glBegin(GL_QUADS);
    glVertex3f(static_cast<float>(x), static_cast<float>(y), z);
    glVertex3f(static_cast<float>(x + w), static_cast<float>(y), z);
    glVertex3f(static_cast<float>(x + w), static_cast<float>(y + h), z);
    glVertex3f(static_cast<float>(x), static_cast<float>(y + h), z);
    glEnd();
}

void GLGraphics::beginTextured(Texture* texture, const Color& color) {
    setColor(color);
    glEnable(GL_TEXTURE_2D);
    texture->bind();
}

void GLGraphics::drawImage(int x, int y, unsigned w, unsigned h, Texture* texture, const Rect& source,
                           const Color& color) {
    if (!drawable(texture)) {
        return;
    }
    beginTextured(texture, color);
    glPushMatrix();
    const TexCoords t = texCoords(texture, source);
    const float hw = static_cast<float>(w) * 0.5f;
    const float hh = static_cast<float>(h) * 0.5f;
    // Drawn about the centre so that a caller's rotation or scaling keeps
    // turning about the caller's own origin.
    glTranslatef(hw, hh, 0.0f);
    const float fx = static_cast<float>(x);
    const float fy = static_cast<float>(y);
    const float z = static_cast<float>(depth_);
    glBegin(GL_TRIANGLE_STRIP);
    glTexCoord2f(t.u1, t.v0);
    glVertex3f(fx + hw, fy - hh, z);
    glTexCoord2f(t.u0, t.v0);
    glVertex3f(fx - hw, fy - hh, z);
    glTexCoord2f(t.u1, t.v1);
    glVertex3f(fx + hw, fy + hh, z);
    glTexCoord2f(t.u0, t.v1);
    glVertex3f(fx - hw, fy + hh, z);
    glEnd();
    glPopMatrix();
}

void GLGraphics::setBlending(bool enabled) {
    if (enabled) {
        glEnable(GL_BLEND);
    }
}

void GLGraphics::pushMatrix() {
    glPushMatrix();
    ++matrixPushes_;
}

void GLGraphics::popMatrix() {
    glPopMatrix();
    ++matrixPops_;
}

void GLGraphics::drawLine(const Point& a, const Point& b, float width, bool smooth, const Color& color) {
    glDisable(GL_TEXTURE_2D);
    if (smooth) {
        glEnable(GL_LINE_SMOOTH);
    }
    glLineWidth(width);
    setColor(color);
    const float z = static_cast<float>(depth_);
    glBegin(GL_LINES);
    glVertex3f(a.x, a.y, z);
    glVertex3f(b.x, b.y, z);
    glEnd();
}

void GLGraphics::setClipRect(int x, int y, int w, int h) {
    int screenHeight = screenHeight_;
    if (screenHeight <= 0) {
        // Without a screen height given (tools, tests) the window is the viewport.
        GLint viewport[4] = {0, 0, 0, 0};
        glGetIntegerv(GL_VIEWPORT, viewport);
        screenHeight = viewport[3];
    }
    glScissor(x, screenHeight - y - h, w, h);
}

void GLGraphics::enableClipping(bool enabled) {
    if (enabled) {
        glEnable(GL_SCISSOR_TEST);
    } else {
        glDisable(GL_SCISSOR_TEST);
    }
}

void GLGraphics::translate(float dx, float dy) {
    glTranslatef(dx, dy, 0.0f);
}

void GLGraphics::rotate(float angle, float ax, float ay, float az) {
    glRotatef(angle, ax, ay, az);
}

void GLGraphics::scale(float sx, float sy) {
    glScalef(sx, sy, 1.0f);
}

void GLGraphics::markOutlineShape(int x, int y, Texture* texture, int thickness, float alphaThreshold, unsigned w,
                                  unsigned h, const Rect& source) {
    glClearStencil(0xFF);
    glClear(GL_STENCIL_BUFFER_BIT);
    glEnable(GL_STENCIL_TEST);
    glDisable(GL_DEPTH_TEST);
    glAlphaFunc(GL_GREATER, alphaThreshold);
    glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_FALSE);
    glStencilFunc(GL_ALWAYS, 1, 0xFFFFFFFF);
    glStencilOp(GL_INCR_WRAP, GL_INCR_WRAP, GL_INCR_WRAP);
    // Starting from 0xFF, a pixel covered by k of the nine passes ends at k - 1.
    for (const auto& offset : kOutlineOffsets) {
        drawImage(x + offset[0] * thickness, y + offset[1] * thickness, w, h, texture, source, Color::white());
    }
    glAlphaFunc(GL_ALWAYS, 0.0f);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    // Paint only pixels covered by one to seven passes: the band along the border.
    glStencilFunc(GL_GREATER, 7, 0xFFFFFFFF);
    glStencilOp(GL_KEEP, GL_KEEP, GL_KEEP);
}

void GLGraphics::drawOutline(int x, int y, Texture* texture, const Color& color, int thickness, float alphaThreshold,
                             unsigned w, unsigned h, const Rect& source) {
    if (!texture) {
        return;
    }
    markOutlineShape(x, y, texture, thickness, alphaThreshold, w, h, source);
    fillRect(x - thickness, y - thickness, static_cast<int>(w) + 2 * thickness, static_cast<int>(h) + 2 * thickness,
             color);
    glDisable(GL_STENCIL_TEST);
}

void GLGraphics::drawTexturedOutline(int x, int y, Texture* texture, Texture* pattern, int thickness,
                                     float alphaThreshold, unsigned w, unsigned h, const Rect& source) {
    if (!texture || !pattern) {
        return;
    }
    markOutlineShape(x, y, texture, thickness, alphaThreshold, w, h, source);
    Graphics::drawImage(x - thickness, y - thickness, pattern, Color::white());
    glDisable(GL_STENCIL_TEST);
}

void GLGraphics::fillTriangle(const Point& a, const Point& b, const Point& c, const Color& color) {
    glDisable(GL_TEXTURE_2D);
    setColor(color);
    const float z = static_cast<float>(depth_);
    glBegin(GL_TRIANGLES);
    glVertex3f(a.x, a.y, z);
    glVertex3f(b.x, b.y, z);
    glVertex3f(c.x, c.y, z);
    glEnd();
}

void GLGraphics::drawTexturedPolygon(Texture* texture, const Point* vertices, const Point* texCoords, int count,
                                     const Color& color) {
    beginTextured(texture, color);
    const float z = static_cast<float>(depth_);
    glBegin(GL_POLYGON);
    for (int i = 0; i < count; ++i) {
        glTexCoord2f(texCoords[i].x, texCoords[i].y);
        glVertex3f(vertices[i].x, vertices[i].y, z);
    }
    glEnd();
}

void GLGraphics::drawQuad(Texture* texture, const Point& p1, const Point& p2, const Point& p3, const Point& p4,
                          const Rect& source, const Color& color) {
    if (!drawable(texture)) {
        return;
    }
    beginTextured(texture, color);
    glPushMatrix();
    const TexCoords t = texCoords(texture, source);
    const float z = static_cast<float>(depth_);
    glBegin(GL_QUADS);
    glTexCoord2f(t.u0, t.v0);
    glVertex3f(p1.x, p1.y, z);
    glTexCoord2f(t.u1, t.v0);
    glVertex3f(p2.x, p2.y, z);
    glTexCoord2f(t.u1, t.v1);
    glVertex3f(p3.x, p3.y, z);
    glTexCoord2f(t.u0, t.v1);
    glVertex3f(p4.x, p4.y, z);
    glEnd();
    glPopMatrix();
}
