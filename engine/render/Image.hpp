#pragma once

#include "engine/render/Color.hpp"
#include "engine/core/ReferenceCountable.hpp"

class ImageGraphics;

// A picture held on the CPU side: full RGBA pixels or just an alpha map.
class Image : public ReferenceCountable {
public:
    ~Image() override = default;
    virtual Image* clone() const = 0;
    virtual bool isTransparent(int x, int y) const = 0;
    virtual Color getPixel(int x, int y) const = 0;
    virtual void setPixel(int x, int y, const Color& color) = 0;
    virtual ImageGraphics* graphics() = 0;

    int getWidth() const { return width_; }
    int getHeight() const { return height_; }

protected:
    int width_ = 0;
    int height_ = 0;
};
