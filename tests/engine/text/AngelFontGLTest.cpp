#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "engine/render/GLTextureFactory.hpp"
#include "engine/render/ImageGraphics.hpp"
#include "engine/render/PngWriter.hpp"
#include "engine/render/SDLSurfaceImage.hpp"
#include "engine/text/AngelFont.hpp"
#include "support/GLWindow.hpp"

namespace {

// The names of the shipped fonts, from the font list.
std::vector<std::string> shippedFonts() {
    std::ifstream list(std::string(CHRONA_TEST_DATA_DIR) + "/../../assets/fonts/fonts.txt");
    std::vector<std::string> names;
    std::string line;
    while (std::getline(list, line)) {
        if (!line.empty() && line[0] != '#') {
            names.push_back(line.substr(0, line.find_first_of(" \t")));
        }
    }
    return names;
}

// The extent of the text pixels around a box (red above 140; the backdrop
// and the box outlines have less).
struct Ink {
    int left = -1;
    int right = -1;
    int top = -1;
    int bottom = -1;
};

Ink inkIn(const SDLSurfaceImage& frame, const IntRect& box) {
    Ink ink;
    for (int y = std::max(0, box.y - 8); y < std::min(GLWindow::Height, box.y + box.h + 8); ++y) {
        for (int x = std::max(0, box.x - 8); x < std::min(GLWindow::Width, box.x + box.w + 8); ++x) {
            if (frame.getPixel(x, y).r > 140) {
                ink.left = ink.left < 0 ? x : std::min(ink.left, x);
                ink.right = std::max(ink.right, x);
                ink.top = ink.top < 0 ? y : std::min(ink.top, y);
                ink.bottom = std::max(ink.bottom, y);
            }
        }
    }
    return ink;
}

}  // namespace

// Draws a line of text in every shipped font, right-aligned at the top of one
// box and centred (wrapped to two lines) in another, and saves one sheet of
// all fonts as build/tmp/fonts.png for looking at.
TEST(AngelFontGL, EveryShippedFontDrawsAlignedInItsBoxes) {
    GLWindow& window = GLWindow::get();
    GLTextureFactory textures;
    const std::vector<std::string> names = shippedFonts();
    ASSERT_GE(names.size(), 13u);
    const int columns = 4;
    const int rows = static_cast<int>((names.size() + columns - 1) / columns);
    SDLSurfaceImage sheet(columns * GLWindow::Width, rows * GLWindow::Height);

    const IntRect rightBox(10, 10, 300, 70);
    const IntRect centreBox(10, 100, 300, 130);
    const Color outline(0, 0, 160, 255);
    const Color text(255, 236, 190, 255);
    for (std::size_t i = 0; i < names.size(); ++i) {
        AngelFont font(std::string(CHRONA_CONTENT_DIR) + "/fonts/" + names[i] + ".fnt", &textures);
        ASSERT_GT(font.getLineHeight(), 0) << names[i];
        window.beginFrame();
        Graphics& g = window.graphics();
        // A slate backdrop, so that the dark outlines of the FX fonts show.
        g.fillRect(0, 0, GLWindow::Width, GLWindow::Height, Color(70, 86, 104, 255));
        g.drawRect(rightBox, outline);
        g.drawRect(centreBox, outline);
        font.drawTextInBox(&g, rightBox, names[i] + " Qj", text, Font::kAlignRight, Font::kAlignTop, false);
        font.drawTextInBox(&g, centreBox, "Hidden \x93\xC4pfel\x94 & gyp\x92s 1905 \xE9t\xE9", text,
                           Font::kAlignCenter, Font::kAlignMiddle, true);
        const std::unique_ptr<SDLSurfaceImage> frame = window.readFrame();

        const Ink right = inkIn(*frame, rightBox);
        ASSERT_GE(right.left, 0) << names[i] << " drew nothing";
        EXPECT_NEAR(right.right, rightBox.x + rightBox.w, 6) << names[i];
        EXPECT_GE(right.top, rightBox.y - 2) << names[i];
        EXPECT_LE(right.bottom, rightBox.y + font.getLineHeight()) << names[i];

        const Ink centre = inkIn(*frame, centreBox);
        ASSERT_GE(centre.left, 0) << names[i] << " drew nothing";
        const int leftGap = centre.left - centreBox.x;
        const int rightGap = centreBox.x + centreBox.w - 1 - centre.right;
        EXPECT_NEAR(leftGap, rightGap, 10) << names[i];
        const int topGap = centre.top - centreBox.y;
        const int bottomGap = centreBox.y + centreBox.h - 1 - centre.bottom;
        EXPECT_NEAR(topGap, bottomGap, font.getLineHeight() / 2 + 2) << names[i];

        const int sx = static_cast<int>(i % columns) * GLWindow::Width;
        const int sy = static_cast<int>(i / columns) * GLWindow::Height;
        const Rect whole(0, 0, static_cast<float>(GLWindow::Width), static_cast<float>(GLWindow::Height));
        sheet.graphics()->drawImage(sx, sy, frame.get(), whole, false);
    }
    const std::string dir = std::string(CHRONA_BINARY_DIR) + "/tmp";
    std::filesystem::create_directories(dir);
    EXPECT_TRUE(writePng(sheet.getSurface(), dir + "/fonts.png"));
}
