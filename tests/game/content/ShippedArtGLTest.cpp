#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "engine/animation/Animation2D.hpp"
#include "engine/animation/AnimationPlayer.hpp"
#include "engine/config/Config.hpp"
#include "engine/core/ContentPath.hpp"
#include "engine/render/PngWriter.hpp"
#include "engine/render/SDLSurfaceImage.hpp"
#include "support/GLWindow.hpp"
#include "support/PixelCount.hpp"
#include "support/ScratchFolder.hpp"
#include "support/TestApp.hpp"

namespace {

// Pixels of the rectangle that are lit and warm (gilt, ember): red well above blue.
int warmPixels(const SDLSurfaceImage& shot, int left, int top, int right, int bottom) {
    return countPixels(shot, left, top, right, bottom,
                       [](const Color& c) { return brightness(c) > 300 && c.r > c.b + 60; });
}

}  // namespace

// The two logo screens as the player sees them halfway through: a dark
// screen edge to edge, the gilded mark or dial in the upper middle and the
// name in gilt below or across it. The pictures go to
// build/tmp/logo-<name>.png.
TEST(ShippedArtGL, LogosShowGiltMarksOnADarkScreen) {
    TestApp app(1024, 768);
    GLWindow::get();
    Config::reset();
    Config::instance().setContentFolder(CHRONA_CONTENT_DIR);
    struct Logo {
        const char* file;
        int at;
        int markTop;     // where the mark or dial stands
        int markBottom;
        int nameTop;     // where the name is written
        int nameBottom;
    };
    for (const Logo& logo : {Logo{"StudioLogo", 1700, 150, 450, 480, 600}, Logo{"GameLogo", 1500, 160, 500, 270, 420}}) {
        SCOPED_TRACE(logo.file);
        AnimationPlayer player;
        Animation2D* animation =
            player.loadAnimation(ContentPath::resolve(std::string("content/animations/Logo/") + logo.file + ".xml"), 1);
        player.playAnimation(1);
        for (int t = 0; t < logo.at; t += 20) {
            animation->update(20, nullptr);
        }
        const std::unique_ptr<SDLSurfaceImage> shot =
            GLWindow::get().photograph(1024, 768, [&](Graphics& g) { animation->draw(&g, nullptr); });
        EXPECT_TRUE(writePng(shot->getSurface(), pictureFile(std::string("logo-") + logo.file + ".png")));

        for (int x : {4, 1019}) {
            for (int y : {4, 763}) {
                EXPECT_LT(brightness(shot->getPixel(x, y)), 60) << "dark at " << x << "," << y;
            }
        }
        EXPECT_GT(warmPixels(*shot, 362, logo.markTop, 662, logo.markBottom), 3000) << "the mark";
        EXPECT_GT(warmPixels(*shot, 212, logo.nameTop, 812, logo.nameBottom), 2000) << "the name";
        EXPECT_LT(warmPixels(*shot, 0, 0, 150, 768), 50) << "nothing strays to the edge";
    }
    Config::reset();
}
