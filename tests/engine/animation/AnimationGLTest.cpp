#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "engine/animation/Animation2D.hpp"
#include "engine/animation/AnimationPlayer.hpp"
#include "engine/render/PngWriter.hpp"
#include "engine/render/SDLSurfaceImage.hpp"
#include "support/GLWindow.hpp"
#include "support/TestApp.hpp"
#include "support/ScratchFolder.hpp"

namespace {

bool near(const Color& a, const Color& b) {
    return std::abs(a.r - b.r) <= 8 && std::abs(a.g - b.g) <= 8 && std::abs(a.b - b.b) <= 8;
}

}  // namespace

TEST(AnimationGL, ObjectsTurnAndShrinkAboutTheirCentres) {
    TestApp app(GLWindow::Width, GLWindow::Height);
    GLWindow& window = GLWindow::get();
    const std::string dir = scratchFolder("gl-animation");
    // An 80 x 20 bar: red with a yellow right end.
    SDLSurfaceImage bar(80, 20);
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 80; ++x) {
            bar.setPixel(x, y, x >= 70 ? Color(255, 255, 0) : Color(220, 30, 30));
        }
    }
    ASSERT_TRUE(writePng(bar.getSurface(), dir + "bar.png"));
    // Left: turned by Angle 90 (drawn at -90, so the yellow end points up);
    // right: at half width. Both bars are centred on (80, 120) and (240, 120).
    std::ofstream(dir + "bars.xml")
        << "<Scene name='bars' loop='0' length='1000'><Screen Width='320' Height='240'/>"
           "<Object file='bar.png' type='0'><KeyFrame TimeStamp='0' TypeInterpolator='0' Type='0' x='40' y='110' "
           "z='1' ScaleX='100' ScaleY='100' Angle='90' Red='255' Green='255' Blue='255' Alpha='255'/></Object>"
           "<Object file='bar.png' type='0'><KeyFrame TimeStamp='0' TypeInterpolator='0' Type='0' x='200' y='110' "
           "z='2' ScaleX='50' ScaleY='100' Angle='0' Red='255' Green='255' Blue='255' Alpha='255'/></Object>"
           "</Scene>";
    AnimationPlayer player;
    Animation2D* animation = player.loadAnimation(dir + "bars.xml", 1);
    player.playAnimation(1);
    window.beginFrame();
    window.graphics().setBlending(true);
    animation->draw(&window.graphics(), nullptr);
    auto frame = window.readFrame();
    writePng(frame->getSurface(), std::string(CHRONA_BINARY_DIR) + "/tmp/animation-bars.png");

    EXPECT_TRUE(near(frame->getPixel(80, 120), Color(220, 30, 30)));
    EXPECT_TRUE(near(frame->getPixel(80, 85), Color(255, 255, 0))) << "the yellow end turned upwards";
    EXPECT_TRUE(near(frame->getPixel(80, 155), Color(220, 30, 30)));
    EXPECT_TRUE(near(frame->getPixel(45, 120), Color(0, 0, 0))) << "no longer horizontal";
    EXPECT_TRUE(near(frame->getPixel(240, 120), Color(220, 30, 30)));
    EXPECT_TRUE(near(frame->getPixel(257, 120), Color(255, 255, 0))) << "half width, same centre";
    EXPECT_TRUE(near(frame->getPixel(263, 120), Color(0, 0, 0)));
    EXPECT_TRUE(near(frame->getPixel(217, 120), Color(0, 0, 0)));
}
