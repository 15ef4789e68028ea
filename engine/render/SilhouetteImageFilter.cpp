#include "engine/render/SilhouetteImageFilter.hpp"

#include "engine/render/Image.hpp"

void SilhouetteImageFilter::apply(Image* image) {
    for (int y = 0; y < image->getHeight(); ++y) {
        for (int x = 0; x < image->getWidth(); ++x) {
            const Color c = image->getPixel(x, y);
            if (c.a != 0) {
                image->setPixel(x, y, Color(255, 255, 255, c.a));
            }
        }
    }
}
