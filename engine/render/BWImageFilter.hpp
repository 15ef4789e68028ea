#pragma once

#include "engine/render/ImageFilter.hpp"

// Grey of the same brightness ((r + g + b) / 3); fully transparent pixels stay as they are.
class BWImageFilter : public ImageFilter {
public:
    void apply(Image* image) override;
};
