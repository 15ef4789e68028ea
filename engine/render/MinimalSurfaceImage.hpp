#pragma once

#include <cstdint>
#include <memory>

#include "engine/render/Image.hpp"

struct SDL_Surface;

// One alpha byte per pixel, row-major: what a texture keeps for pixel-exact
// hit tests. Points outside the image count as opaque. It has no clone and no
// graphics (both null).
class MinimalSurfaceImage : public Image {
public:
    // Adopts an array of w x h alpha values.
    MinimalSurfaceImage(int w, int h, std::unique_ptr<std::uint8_t[]> alpha);
    // Takes the alpha channel of a 32-bit surface (the caller keeps the surface).
    explicit MinimalSurfaceImage(SDL_Surface* surface);

    Image* clone() const override { return nullptr; }
    bool isTransparent(int x, int y) const override;
    // (0, 0, 0, alpha); the default colour outside the image.
    Color getPixel(int x, int y) const override;
    void setPixel(int x, int y, const Color& color) override;
    ImageGraphics* graphics() override { return nullptr; }

    std::uint8_t alphaAt(int x, int y) const { return alpha_[static_cast<std::size_t>(y) * width_ + x]; }

private:
    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    std::unique_ptr<std::uint8_t[]> alpha_;
};
