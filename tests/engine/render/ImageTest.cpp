#include <gtest/gtest.h>

#include <SDL/SDL.h>

#include <memory>

#include "engine/render/BWImageFilter.hpp"
#include "engine/render/IntensityAsAlphaImageFilter.hpp"
#include "engine/render/MinimalSurfaceImage.hpp"
#include "engine/render/SDLImageGraphics.hpp"
#include "engine/render/SDLSurfaceImage.hpp"
#include "engine/render/SilhouetteImageFilter.hpp"

namespace {

// Three pixels: a warm opaque one, a half-transparent one and a fully transparent one.
std::unique_ptr<SDLSurfaceImage> sample() {
    auto image = std::make_unique<SDLSurfaceImage>(3, 1);
    image->setPixel(0, 0, Color(90, 60, 31, 255));
    image->setPixel(1, 0, Color(200, 100, 0, 128));
    image->setPixel(2, 0, Color(200, 10, 10, 0));
    return image;
}

std::unique_ptr<SDLSurfaceImage> filled(int w, int h, const Color& c) {
    auto image = std::make_unique<SDLSurfaceImage>(w, h);
    image->graphics()->fillRect(0, 0, static_cast<std::uint16_t>(w), static_cast<std::uint16_t>(h), c);
    return image;
}

}  // namespace

TEST(ImageFilter, FiltersRewritePixelsAndSpareTransparentOnes) {
    auto bw = sample();
    BWImageFilter().apply(bw.get());
    EXPECT_EQ(bw->getPixel(0, 0), Color(60, 60, 60, 255));
    EXPECT_EQ(bw->getPixel(1, 0), Color(100, 100, 100, 128));
    EXPECT_EQ(bw->getPixel(2, 0), Color(200, 10, 10, 0));

    auto silhouette = sample();
    SilhouetteImageFilter().apply(silhouette.get());
    EXPECT_EQ(silhouette->getPixel(0, 0), Color(255, 255, 255, 255));
    EXPECT_EQ(silhouette->getPixel(1, 0), Color(255, 255, 255, 128));
    EXPECT_EQ(silhouette->getPixel(2, 0), Color(200, 10, 10, 0));

    SDLSurfaceImage light(3, 1);
    light.setPixel(0, 0, Color(255, 255, 255, 255));
    light.setPixel(1, 0, Color(0, 0, 0, 255));
    light.setPixel(2, 0, Color(90, 60, 30, 0));
    IntensityAsAlphaImageFilter().apply(&light);
    EXPECT_EQ(light.getPixel(0, 0), Color(255, 255, 255, 254));
    EXPECT_EQ(light.getPixel(1, 0), Color(255, 255, 255, 0));
    EXPECT_EQ(light.getPixel(2, 0), Color(255, 255, 255, 59));
}

TEST(SDLSurfaceImage, PixelsCloneAndBounds) {
    auto image = sample();
    EXPECT_EQ(image->getWidth(), 3);
    EXPECT_TRUE(image->isTransparent(2, 0));
    EXPECT_FALSE(image->isTransparent(1, 0));
    EXPECT_EQ(image->getPixel(5, 0), Color(0, 0, 0, 0));
    image->setPixel(-1, 0, Color(1, 1, 1, 1));

    std::unique_ptr<Image> copy(image->clone());
    image->setPixel(0, 0, Color(0, 0, 0, 0));
    EXPECT_EQ(copy->getPixel(0, 0), Color(90, 60, 31, 255));
    EXPECT_EQ(copy->getPixel(1, 0), Color(200, 100, 0, 128));
    EXPECT_EQ(copy->getPixel(2, 0), Color(200, 10, 10, 0));

    // Surfaces of other depths are read through their own format.
    SDLSurfaceImage rgb(SDL_CreateRGBSurface(SDL_SWSURFACE, 2, 2, 24, 0xFF, 0xFF00, 0xFF0000, 0));
    rgb.setPixel(1, 1, Color(7, 8, 9, 255));
    EXPECT_EQ(rgb.getPixel(1, 1), Color(7, 8, 9, 255));

    SDLSurfaceImage empty;
    EXPECT_EQ(empty.getSurface(), nullptr);
    EXPECT_EQ(empty.getPixel(0, 0), Color(0, 0, 0, 0));
    EXPECT_TRUE(empty.isTransparent(0, 0));
}

TEST(MinimalSurfaceImage, AlphaOnlyAndOpaqueOutside) {
    auto rgba = sample();
    MinimalSurfaceImage hits(rgba->getSurface());
    EXPECT_EQ(hits.getWidth(), 3);
    EXPECT_EQ(hits.getPixel(0, 0), Color(0, 0, 0, 255));
    EXPECT_EQ(hits.getPixel(1, 0), Color(0, 0, 0, 128));
    EXPECT_TRUE(hits.isTransparent(2, 0));
    EXPECT_FALSE(hits.isTransparent(3, 0));
    EXPECT_FALSE(hits.isTransparent(0, -1));
    EXPECT_EQ(hits.getPixel(-4, 0), Color());
    hits.setPixel(2, 0, Color(9, 9, 9, 33));
    EXPECT_EQ(hits.getPixel(2, 0).a, 33);
    hits.setPixel(7, 7, Color(9, 9, 9, 33));
    EXPECT_EQ(hits.clone(), nullptr);
    EXPECT_EQ(hits.graphics(), nullptr);

    auto alpha = std::make_unique<std::uint8_t[]>(4);
    alpha[3] = 200;
    MinimalSurfaceImage adopted(2, 2, std::move(alpha));
    EXPECT_TRUE(adopted.isTransparent(0, 0));
    EXPECT_EQ(adopted.getPixel(1, 1).a, 200);
}

TEST(SDLImageGraphics, BlendClipsToBothImagesAndHonoursChannels) {
    auto source = filled(4, 4, Color(100, 200, 30, 250));
    source->setPixel(0, 0, Color(1, 2, 3, 4));

    // Hanging off the left edge shifts the source: its columns 2 and 3 land on 0 and 1.
    auto target = filled(4, 4, Color(10, 10, 10, 10));
    target->graphics()->blendImage(-2, 1, source.get(), Rect(0, 0, 4, 4), true, true, true, true, false, false);
    EXPECT_EQ(target->getPixel(0, 1), Color(110, 210, 40, 255));
    EXPECT_EQ(target->getPixel(1, 3), Color(110, 210, 40, 255));
    EXPECT_EQ(target->getPixel(2, 1), Color(10, 10, 10, 10));
    EXPECT_EQ(target->getPixel(0, 0), Color(10, 10, 10, 10));

    // Only flagged channels change; subtracting clamps at 0; replace starts from 0.
    auto channels = filled(2, 2, Color(150, 150, 150, 150));
    channels->graphics()->blendImage(0, 0, source.get(), Rect(1, 1, 3, 2), false, true, false, false, false, true);
    EXPECT_EQ(channels->getPixel(0, 0), Color(150, 0, 150, 150));
    EXPECT_EQ(channels->getPixel(1, 0), Color(150, 0, 150, 150));
    EXPECT_EQ(channels->getPixel(0, 1), Color(150, 150, 150, 150));
    channels->graphics()->blendImage(0, 1, source.get(), Rect(0, 0, 2, 1), true, false, false, true, true, false);
    EXPECT_EQ(channels->getPixel(0, 1), Color(1, 150, 150, 4));

    // addImage past the bottom-right corner touches only the overlap.
    auto corner = filled(4, 4, Color(10, 10, 10, 10));
    static_cast<SDLImageGraphics*>(corner->graphics())
        ->addImage(3, 3, source.get(), Rect(1, 1, 4, 4), true, true, true, true, false);
    EXPECT_EQ(corner->getPixel(3, 3), Color(110, 210, 40, 255));
    EXPECT_EQ(corner->getPixel(2, 3), Color(10, 10, 10, 10));
    EXPECT_EQ(corner->getPixel(3, 2), Color(10, 10, 10, 10));

    // A rectangle entirely outside changes nothing; a 24-bit source is refused.
    corner->graphics()->blendImage(-9, 0, source.get(), Rect(0, 0, 4, 4), true, true, true, true, true, false);
    SDLSurfaceImage rgb(SDL_CreateRGBSurface(SDL_SWSURFACE, 4, 4, 24, 0xFF, 0xFF00, 0xFF0000, 0));
    corner->graphics()->blendImage(0, 0, &rgb, Rect(0, 0, 4, 4), true, true, true, true, true, false);
    EXPECT_EQ(corner->getPixel(0, 0), Color(10, 10, 10, 10));
}

TEST(SDLImageGraphics, DrawImageCopiesOrBlendsBySourceAlpha) {
    auto source = filled(2, 2, Color(200, 0, 0, 128));
    auto copied = filled(4, 4, Color(0, 0, 200, 255));
    copied->graphics()->drawImage(1, 1, source.get(), Rect(0, 0, 2, 2), false);
    EXPECT_EQ(copied->getPixel(1, 1), Color(200, 0, 0, 128));
    EXPECT_EQ(copied->getPixel(0, 0), Color(0, 0, 200, 255));
    EXPECT_EQ(copied->getPixel(3, 3), Color(0, 0, 200, 255));

    auto blended = filled(4, 4, Color(0, 0, 200, 255));
    blended->graphics()->drawImage(0, 0, source.get(), Rect(0, 0, 2, 2), true);
    const Color mixed = blended->getPixel(0, 0);
    EXPECT_NEAR(mixed.r, 100, 2);
    EXPECT_NEAR(mixed.b, 100, 2);
}
