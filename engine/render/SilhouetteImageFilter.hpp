#pragma once

#include "engine/render/ImageFilter.hpp"

// A white silhouette keeping the shape's alpha; fully transparent pixels stay as they are.
class SilhouetteImageFilter : public ImageFilter {
public:
    void apply(Image* image) override;
};
