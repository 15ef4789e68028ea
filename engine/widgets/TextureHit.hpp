#pragma once

class Texture;

// Pixel-exact hit tests on pictures, in the picture's own coordinates. A point
// hits when it lies inside the picture and the CPU copy the texture kept (full
// image or alpha map) is not fully transparent there; a texture that kept
// nothing counts as opaque inside its size. Null never hits.
class TextureHit {
public:
    static bool inside(const Texture* texture, int x, int y);
    static bool opaque(const Texture* texture, int x, int y);
};
