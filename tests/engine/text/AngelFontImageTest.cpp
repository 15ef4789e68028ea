#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "engine/render/CpuTextureFactory.hpp"
#include "engine/render/ImageGraphics.hpp"
#include "engine/render/SDLSurfaceImage.hpp"
#include "engine/text/AngelFont.hpp"

namespace {

struct Extent {
    int left = 1 << 20;
    int right = -1;
    int top = 1 << 20;
    int bottom = -1;
};

// Where the image holds light pixels.
Extent lightPixels(const SDLSurfaceImage& image) {
    Extent e;
    for (int y = 0; y < image.getHeight(); ++y) {
        for (int x = 0; x < image.getWidth(); ++x) {
            if (image.getPixel(x, y).r > 128) {
                e.left = std::min(e.left, x);
                e.right = std::max(e.right, x);
                e.top = std::min(e.top, y);
                e.bottom = std::max(e.bottom, y);
            }
        }
    }
    return e;
}

}  // namespace

// A shipped font with grey coverage pages, drawn into a CPU image: white glyphs
// inside the measured line, and the last argument decides whether the glyph
// cells' alpha replaces the target's.
TEST(AngelFontImage, DrawsWhiteGlyphsIntoAnImageWithOrWithoutTheirAlpha) {
    CpuTextureFactory textures;
    AngelFont font(std::string(CHRONA_CONTENT_DIR) + "/fonts/TrajanPro22.fnt", &textures);
    ASSERT_GT(font.getLineHeight(), 0);
    const std::string text = "HIH";
    SDLSurfaceImage blended(200, 80);
    SDLSurfaceImage copied(200, 80);
    blended.graphics()->fillRect(0, 0, 200, 80, Color(0, 0, 0, 255));
    copied.graphics()->fillRect(0, 0, 200, 80, Color(0, 0, 0, 255));
    font.drawTextLine(blended.graphics(), 20, 10, text, true);
    font.drawTextLine(copied.graphics(), 20, 10, text, false);

    const Extent ink = lightPixels(blended);
    ASSERT_GE(ink.right, 0) << "nothing drawn";
    EXPECT_GE(ink.left, 20);
    EXPECT_LE(ink.right, 20 + font.textWidth(text) + 4);
    EXPECT_GE(ink.top, 10);
    EXPECT_LE(ink.bottom, 10 + font.getLineHeight());
    Color stem(0, 0, 0, 0);
    for (int x = ink.left; x <= ink.right; ++x) {
        const Color c = blended.getPixel(x, (ink.top + ink.bottom) / 2);
        stem = c.r > stem.r ? c : stem;
    }
    EXPECT_GT(stem.g, 200);  // the grey page became white
    EXPECT_GT(stem.b, 200);

    // Between the stems of the first H, inside its cell, the coverage is 0:
    // blended, the target shows through; copied, the cell's alpha replaced it.
    const int x = ink.left + font.findGlyph('H')->xadvance / 2;
    const int y = ink.top + 1;
    EXPECT_EQ(blended.getPixel(x, y), Color(0, 0, 0, 255));
    EXPECT_EQ(copied.getPixel(x, y).a, 0);
}
