#pragma once

#include "engine/render/ImageFilter.hpp"

// White whose alpha is the pixel's brightness: glows and light masks drawn black-on-white
// in their source become additive-looking white shapes. Pure white gives 254.
class IntensityAsAlphaImageFilter : public ImageFilter {
public:
    void apply(Image* image) override;
};
