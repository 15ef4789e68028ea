#include "engine/render/IntensityAsAlphaImageFilter.hpp"

#include <algorithm>

#include "engine/render/Image.hpp"

void IntensityAsAlphaImageFilter::apply(Image* image) {
    for (int y = 0; y < image->getHeight(); ++y) {
        for (int x = 0; x < image->getWidth(); ++x) {
            const Color c = image->getPixel(x, y);
            // The single-precision third rounds pure white down to 254.
            const float intensity = std::min(static_cast<float>(c.r + c.g + c.b) * 0.3333f, 255.0f);
            image->setPixel(x, y, Color(255, 255, 255, static_cast<std::uint8_t>(intensity)));
        }
    }
}
