#include <gtest/gtest.h>

#include <SDL/SDL.h>
#include <SDL/SDL_opengl.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "engine/core/Clock.hpp"
#include "engine/app/GameApp.hpp"
#include "engine/render/GLTexture.hpp"
#include "engine/render/ImageFile.hpp"
#include "engine/render/PngWriter.hpp"
#include "support/PaintedPictures.hpp"
#include "support/GLWindow.hpp"

namespace {

const Color kBlack(0, 0, 0, 255);


bool near(const Color& a, const Color& b, int tolerance = 3) {
    return std::abs(a.r - b.r) <= tolerance && std::abs(a.g - b.g) <= tolerance && std::abs(a.b - b.b) <= tolerance;
}

#define EXPECT_PIXEL(frame, x, y, colour)                                                                     \
    do {                                                                                                      \
        const Color got_ = (frame)->getPixel(x, y);                                                           \
        EXPECT_TRUE(near(got_, colour)) << "at (" << (x) << ", " << (y) << "): " << int(got_.r) << ","       \
                                        << int(got_.g) << "," << int(got_.b);                                 \
    } while (0)

class GLGraphicsTest : public testing::Test {
protected:
    void SetUp() override { window.beginFrame(); }
    GLWindow& window = GLWindow::get();
    GLGraphics& g = window.graphics();
};

}  // namespace

TEST_F(GLGraphicsTest, PictureSmallerThanItsStorageIsDrawnWhole) {
    // 100 x 50 in 128 x 64 storage: red left half, blue right half.
    auto texture = paintedTexture(100, 50, [](int x, int) { return x < 50 ? Color(255, 0, 0) : Color(0, 0, 255); });
    ASSERT_EQ(texture->getStorageWidth(), 128);
    g.drawImage(10, 20, texture.get(), Color::white());
    auto frame = window.readFrame();
    writePng(frame->getSurface(), framePath("gl-picture.png"));
    EXPECT_PIXEL(frame, 12, 22, Color(255, 0, 0));
    EXPECT_PIXEL(frame, 57, 45, Color(255, 0, 0));
    EXPECT_PIXEL(frame, 62, 45, Color(0, 0, 255));
    EXPECT_PIXEL(frame, 108, 68, Color(0, 0, 255));
    EXPECT_PIXEL(frame, 111, 40, kBlack);
    EXPECT_PIXEL(frame, 60, 71, kBlack);
    EXPECT_PIXEL(frame, 9, 40, kBlack);
}

TEST_F(GLGraphicsTest, FramesOfStripsAndGrids) {
    const Color bands[4] = {Color(255, 0, 0), Color(0, 255, 0), Color(0, 0, 255), Color(255, 255, 0)};
    auto strip = paintedTexture(256, 32, [&](int x, int) { return bands[x / 64]; });
    g.drawFrameH(0, 0, 4, 1, strip.get(), Color::white());
    auto vertical = paintedTexture(16, 128, [&](int, int y) { return bands[y / 32]; });
    g.drawFrameV(100, 0, 4, 2, vertical.get(), Color::white());
    // A 2 x 2 grid; index 1 is the top-right cell row-major, the bottom-left column-major.
    auto grid = paintedTexture(64, 64, [&](int x, int y) { return bands[(y / 32) * 2 + x / 32]; });
    g.drawFrameGrid(150, 0, 2, 2, 1, grid.get(), Color::white(), true);
    g.drawFrameGrid(200, 0, 2, 2, 1, grid.get(), Color::white(), false);
    auto frame = window.readFrame();

    // Frame 1 of the strip is green, 63 pixels wide.
    EXPECT_PIXEL(frame, 1, 15, bands[1]);
    EXPECT_PIXEL(frame, 61, 15, bands[1]);
    EXPECT_PIXEL(frame, 64, 15, kBlack);
    EXPECT_PIXEL(frame, 30, 32, kBlack);
    EXPECT_PIXEL(frame, 108, 2, bands[2]);
    EXPECT_PIXEL(frame, 108, 29, bands[2]);
    EXPECT_PIXEL(frame, 108, 32, kBlack);
    EXPECT_PIXEL(frame, 165, 15, bands[1]);
    EXPECT_PIXEL(frame, 215, 15, bands[2]);
}

TEST_F(GLGraphicsTest, ColourModulatesTextures) {
    auto white = paintedTexture(16, 16, [](int, int) { return Color(255, 255, 255); });
    g.drawImage(0, 0, white.get(), Color(255, 128, 0, 255));
    g.drawImage(20, 0, white.get(), Color(255, 255, 255, 128));
    auto frame = window.readFrame();
    EXPECT_PIXEL(frame, 8, 8, Color(255, 128, 0));
    EXPECT_PIXEL(frame, 28, 8, Color(128, 128, 128));
}

TEST_F(GLGraphicsTest, ClipRectCountsFromTheTopOfTheScreen) {
    g.setClipRect(10, 20, 100, 50);
    GLint box[4] = {0, 0, 0, 0};
    glGetIntegerv(GL_SCISSOR_BOX, box);
    EXPECT_EQ(box[1], GLWindow::Height - 20 - 50);
    g.enableClipping(true);
    g.fillRect(0, 0, GLWindow::Width, GLWindow::Height, Color(0, 200, 0));
    g.enableClipping(false);
    auto frame = window.readFrame();
    EXPECT_PIXEL(frame, 10, 20, Color(0, 200, 0));
    EXPECT_PIXEL(frame, 109, 69, Color(0, 200, 0));
    EXPECT_PIXEL(frame, 9, 20, kBlack);
    EXPECT_PIXEL(frame, 110, 69, kBlack);
    EXPECT_PIXEL(frame, 50, 70, kBlack);
    EXPECT_PIXEL(frame, 50, 19, kBlack);

    // With a screen height given, it is the reference.
    g.setScreenHeight(600);
    g.setClipRect(10, 20, 100, 50);
    g.setScreenHeight(0);
    glGetIntegerv(GL_SCISSOR_BOX, box);
    EXPECT_EQ(box[0], 10);
    EXPECT_EQ(box[1], 530);
    EXPECT_EQ(box[2], 100);
    EXPECT_EQ(box[3], 50);
}

TEST_F(GLGraphicsTest, OutlineIsABandAlongTheShapesBorder) {
    // A 20 x 20 opaque square in the middle of a transparent 40 x 40 sprite.
    auto sprite = paintedTexture(40, 40, [](int x, int y) {
        const bool inside = x >= 10 && x < 30 && y >= 10 && y < 30;
        return inside ? Color(255, 255, 255, 255) : Color(0, 0, 0, 0);
    });
    const Color gold(255, 200, 0);
    g.drawOutline(20, 20, sprite.get(), gold, 4, 0.5f);
    g.drawOutline(120, 20, sprite.get(), gold, 0, 0.5f);
    g.drawOutline(220, 20, nullptr, gold, 4, 0.5f);
    auto frame = window.readFrame();
    writePng(frame->getSurface(), framePath("gl-outline.png"));

    // The square spans 30..49 on screen; the band reaches about 4 pixels out and in.
    EXPECT_PIXEL(frame, 27, 40, gold);
    EXPECT_PIXEL(frame, 40, 52, gold);
    EXPECT_PIXEL(frame, 31, 40, gold);
    EXPECT_PIXEL(frame, 40, 40, kBlack);
    EXPECT_PIXEL(frame, 24, 40, kBlack);
    EXPECT_PIXEL(frame, 40, 56, kBlack);
    // Thickness 0 paints nothing at all.
    for (int y = 20; y < 60; ++y) {
        for (int x = 120; x < 160; ++x) {
            if (!near(frame->getPixel(x, y), kBlack)) {
                FAIL() << "thickness 0 painted (" << x << ", " << y << ")";
            }
        }
    }
    // The stencil test is off again: a plain fill is not masked.
    g.fillRect(0, 200, 10, 10, gold);
    EXPECT_PIXEL(window.readFrame(), 5, 205, gold);
}

TEST_F(GLGraphicsTest, TexturedOutlineFillsTheBandWithThePattern) {
    auto sprite = paintedTexture(40, 40, [](int x, int y) {
        return (x >= 10 && x < 30 && y >= 10 && y < 30) ? Color(255, 255, 255, 255) : Color(0, 0, 0, 0);
    });
    auto pattern = paintedTexture(48, 48, [](int x, int) { return x < 24 ? Color(255, 0, 0) : Color(0, 0, 255); });
    g.drawTexturedOutline(20, 20, sprite.get(), pattern.get(), 4, 0.5f);
    auto frame = window.readFrame();
    EXPECT_PIXEL(frame, 27, 40, Color(255, 0, 0));
    EXPECT_PIXEL(frame, 52, 40, Color(0, 0, 255));
    EXPECT_PIXEL(frame, 40, 40, kBlack);
}

TEST_F(GLGraphicsTest, TrianglesQuadsAndLines) {
    g.fillTriangle(Point(10, 10), Point(100, 10), Point(10, 100), Color(255, 0, 255));
    // The quad's corners take the source rectangle's corners clockwise from the top-left.
    auto halves = paintedTexture(8, 8, [](int, int y) { return y < 4 ? Color(255, 0, 0) : Color(0, 0, 255); });
    g.drawQuad(halves.get(), Point(150, 10), Point(250, 10), Point(230, 90), Point(170, 90), Rect(0, 0, 8, 8),
               Color::white());
    g.drawLine(Point(10, 150), Point(200, 150), 3.0f, false, Color(0, 255, 0));
    auto frame = window.readFrame();
    writePng(frame->getSurface(), framePath("gl-primitives.png"));
    EXPECT_PIXEL(frame, 20, 20, Color(255, 0, 255));
    EXPECT_PIXEL(frame, 90, 90, kBlack);
    EXPECT_PIXEL(frame, 200, 20, Color(255, 0, 0));
    EXPECT_PIXEL(frame, 200, 80, Color(0, 0, 255));
    EXPECT_PIXEL(frame, 155, 85, kBlack);
    EXPECT_PIXEL(frame, 100, 150, Color(0, 255, 0));
    EXPECT_PIXEL(frame, 100, 155, kBlack);
}

TEST_F(GLGraphicsTest, MatrixCallsAreCountedAndTranslate) {
    g.resetMatrixCounts();
    g.pushMatrix();
    g.translate(100, 50);
    g.fillRect(0, 0, 10, 10, Color(255, 255, 255));
    g.popMatrix();
    g.fillRect(0, 0, 10, 10, Color(255, 0, 0));
    EXPECT_EQ(g.matrixPushes(), 1u);
    EXPECT_EQ(g.matrixPops(), 1u);
    auto frame = window.readFrame();
    EXPECT_PIXEL(frame, 105, 55, Color(255, 255, 255));
    EXPECT_PIXEL(frame, 5, 5, Color(255, 0, 0));
}

TEST_F(GLGraphicsTest, ReadBackIsTopDownAndSavesAsPng) {
    g.fillRect(0, 0, 10, 10, Color(255, 0, 0));
    g.fillRect(0, GLWindow::Height - 10, 10, 10, Color(0, 0, 255));
    auto frame = window.readFrame();
    EXPECT_EQ(frame->getWidth(), GLWindow::Width);
    EXPECT_PIXEL(frame, 2, 2, Color(255, 0, 0));
    EXPECT_PIXEL(frame, 2, GLWindow::Height - 2, Color(0, 0, 255));
    EXPECT_PIXEL(frame, 2, 120, kBlack);

    const std::string path = framePath("gl-readback.png");
    ASSERT_TRUE(writePng(frame->getSurface(), path));
    SDLSurfaceImage reread(ImageFile::load(path).release());
    ASSERT_EQ(reread.getWidth(), GLWindow::Width);
    EXPECT_EQ(reread.getPixel(2, 2), frame->getPixel(2, 2));
    EXPECT_EQ(reread.getPixel(2, GLWindow::Height - 2), frame->getPixel(2, GLWindow::Height - 2));
}
