#include "engine/render/Graphics.hpp"

#include "engine/render/Texture.hpp"

void Graphics::drawRect(const IntRect& rect, const Color& color) {
    drawRect(rect.x, rect.y, rect.w, rect.h, color);
}

void Graphics::drawRect(int x, int y, int w, int h, const Color& color) {
    const float fx = static_cast<float>(x);
    const float fy = static_cast<float>(y);
    const float fr = static_cast<float>(x + w);
    const float fb = static_cast<float>(y + h);
    drawLine(Point(fr, fy), Point(fx, fy), 1.0f, true, color);
    drawLine(Point(fr, fb), Point(fr, fy), 1.0f, true, color);
    drawLine(Point(fx, fb), Point(fr, fb), 1.0f, true, color);
    drawLine(Point(fx, fy), Point(fx, fb), 1.0f, true, color);
}

void Graphics::drawTexturedPolygon(Texture* /*texture*/, const Point* /*vertices*/, const Point* /*texCoords*/,
                                   int /*count*/, const Color& /*color*/) {}

void Graphics::drawImage(int x, int y, Texture* texture, const Color& color) {
    if (!texture) {
        return;
    }
    drawImage(x, y, texture,
              Rect(0.0f, 0.0f, static_cast<float>(texture->getWidth()), static_cast<float>(texture->getHeight())),
              color);
}

void Graphics::drawImage(int x, int y, Texture* texture, const Rect& source, const Color& color) {
    drawImage(x, y, static_cast<unsigned>(source.intWidth()), static_cast<unsigned>(source.intHeight()), texture,
              source, color);
}

Rect Graphics::frameH(int textureWidth, int textureHeight, int frames, int index) {
    return Rect(static_cast<float>(textureWidth * index / frames), 0.0f,
                static_cast<float>(textureWidth * (index + 1) / frames - 1), static_cast<float>(textureHeight - 1));
}

Rect Graphics::frameV(int textureWidth, int textureHeight, int frames, int index) {
    return Rect(0.0f, static_cast<float>(textureHeight * index / frames), static_cast<float>(textureWidth - 1),
                static_cast<float>(textureHeight * (index + 1) / frames - 1));
}

Rect Graphics::frameGrid(int textureWidth, int textureHeight, int columns, int rows, int index, bool rowMajor) {
    const int column = rowMajor ? index % columns : index / rows;
    const int row = rowMajor ? index / columns : index % rows;
    return Rect(static_cast<float>(textureWidth * column / columns), static_cast<float>(textureHeight * row / rows),
                static_cast<float>(textureWidth * (column + 1) / columns - 1),
                static_cast<float>(textureHeight * (row + 1) / rows - 1));
}

void Graphics::drawFrameH(int x, int y, int frames, int index, Texture* texture, const Color& color) {
    if (!texture) {
        return;
    }
    drawImage(x, y, texture, frameH(texture->getWidth(), texture->getHeight(), frames, index), color);
}

void Graphics::drawFrameV(int x, int y, int frames, int index, Texture* texture, const Color& color) {
    if (!texture) {
        return;
    }
    drawImage(x, y, texture, frameV(texture->getWidth(), texture->getHeight(), frames, index), color);
}

void Graphics::drawFrameGrid(int x, int y, int columns, int rows, int index, Texture* texture, const Color& color,
                             bool rowMajor) {
    if (!texture) {
        return;
    }
    drawImage(x, y, texture, frameGrid(texture->getWidth(), texture->getHeight(), columns, rows, index, rowMajor),
              color);
}

void Graphics::drawOutline(int x, int y, Texture* texture, const Color& color, int thickness, float alphaThreshold) {
    if (!texture) {
        return;
    }
    drawOutline(x, y, texture, color, thickness, alphaThreshold, static_cast<unsigned>(texture->getWidth()),
                static_cast<unsigned>(texture->getHeight()),
                Rect(0.0f, 0.0f, static_cast<float>(texture->getWidth()), static_cast<float>(texture->getHeight())));
}

void Graphics::drawTexturedOutline(int x, int y, Texture* texture, Texture* pattern, int thickness,
                                   float alphaThreshold) {
    if (!texture || !pattern) {
        return;
    }
    drawTexturedOutline(x, y, texture, pattern, thickness, alphaThreshold,
                        static_cast<unsigned>(texture->getWidth()), static_cast<unsigned>(texture->getHeight()),
                        Rect(0.0f, 0.0f, static_cast<float>(texture->getWidth()),
                             static_cast<float>(texture->getHeight())));
}
