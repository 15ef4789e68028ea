#include "game/content/AlphaPicture.hpp"

#include "engine/render/SDLSurfaceImage.hpp"

AlphaPicture::AlphaPicture(const std::string& path) {
    SDLSurfaceImage image(path);
    width = image.getWidth();
    height = image.getHeight();
    alpha.resize(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            alpha[static_cast<std::size_t>(y) * width + x] = image.getPixel(x, y).a;
        }
    }
}
