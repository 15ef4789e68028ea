#include "engine/render/BWImageFilter.hpp"

#include "engine/render/Image.hpp"

void BWImageFilter::apply(Image* image) {
    for (int y = 0; y < image->getHeight(); ++y) {
        for (int x = 0; x < image->getWidth(); ++x) {
            const Color c = image->getPixel(x, y);
            if (c.a == 0) {
                continue;
            }
            const auto grey = static_cast<std::uint8_t>((c.r + c.g + c.b) / 3);
            image->setPixel(x, y, Color(grey, grey, grey, c.a));
        }
    }
}
