#pragma once

#include "engine/core/ReferenceCountable.hpp"

class Image;

// Rewrites an image in place, pixel by pixel (rows outer, columns inner),
// before it becomes a texture. Filters are shared and not owned by textures.
class ImageFilter : public ReferenceCountable {
public:
    ~ImageFilter() override = default;
    virtual void apply(Image* image) = 0;
};
