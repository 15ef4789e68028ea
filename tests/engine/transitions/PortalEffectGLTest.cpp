#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "engine/render/GLTexture.hpp"
#include "engine/render/PngWriter.hpp"
#include "engine/render/SDLSurfaceImage.hpp"
#include "engine/transitions/PortalEffectTransition.hpp"
#include "support/PaintedPictures.hpp"
#include "support/GLWindow.hpp"
#include "support/TestApp.hpp"

namespace {


bool near(const Color& a, const Color& b) {
    return std::abs(a.r - b.r) <= 8 && std::abs(a.g - b.g) <= 8 && std::abs(a.b - b.b) <= 8;
}

}  // namespace

TEST(PortalEffectGL, OpeningShowsThePortalPictureInsideTheSpiral) {
    TestApp app(GLWindow::Width, GLWindow::Height);
    GLWindow& window = GLWindow::get();
    window.beginFrame();
    const Color grabColour(200, 40, 40);
    auto grab = paintedTexture(GLWindow::Width, GLWindow::Height, [&](int, int) { return grabColour; });
    // The portal picture: blue with a white cross through its centre.
    auto portal = paintedTexture(GLWindow::Width, GLWindow::Height, [](int x, int y) {
        return std::abs(x - GLWindow::Width / 2) < 3 || std::abs(y - GLWindow::Height / 2) < 3 ? Color(255, 255, 255)
                                                                                                : Color(30, 60, 220);
    });
    auto spark = paintedTexture(4, 4, [](int, int) { return Color(255, 255, 255); });

    PortalEffectTransition opening(1, grab.get(), nullptr, portal.get(), spark.get(), 2000);
    opening.start(nullptr, 0);
    for (int frame = 0; frame < 32; ++frame) {
        opening.update(16);  // 512 ms: just over one turn
    }
    window.graphics().setBlending(true);
    opening.drawUpper(&window.graphics());
    auto frame = window.readFrame();
    writePng(frame->getSurface(), framePath("portal-opening.png"));

    // Near the centre the portal picture shows, undistorted: its cross is at the screen centre.
    EXPECT_TRUE(near(frame->getPixel(GLWindow::Width / 2 + 10, GLWindow::Height / 2 + 10), Color(30, 60, 220)));
    EXPECT_TRUE(near(frame->getPixel(GLWindow::Width / 2 + 20, GLWindow::Height / 2), Color(255, 255, 255)));
    // Beyond the spiral's reach the grab is still seen.
    EXPECT_TRUE(near(frame->getPixel(5, 5), grabColour));
    const float reach = opening.getAngle() * 30.0f + 1.0f;
    EXPECT_GT(reach, 150.0f);
    EXPECT_LT(reach, 200.0f);
}

TEST(PortalEffectGL, ClosingCoversTheScreenFromOutsideIn) {
    TestApp app(GLWindow::Width, GLWindow::Height);
    GLWindow& window = GLWindow::get();
    window.beginFrame();
    const Color grabColour(200, 40, 40);
    const Color portalColour(30, 60, 220);
    auto grab = paintedTexture(GLWindow::Width, GLWindow::Height, [&](int, int) { return grabColour; });
    auto portal = paintedTexture(GLWindow::Width, GLWindow::Height, [&](int, int) { return portalColour; });

    PortalEffectTransition closing(-1, nullptr, grab.get(), portal.get(), nullptr, 2000);
    closing.start(nullptr, 0);
    for (int frame = 0; frame < 120; ++frame) {
        closing.update(16);  // 1920 ms of 2000: the spiral has shrunk to about 40 pixels
    }
    window.graphics().setBlending(true);
    closing.drawUpper(&window.graphics());
    auto frame = window.readFrame();
    writePng(frame->getSurface(), framePath("portal-closing.png"));

    EXPECT_TRUE(near(frame->getPixel(5, 5), portalColour));
    EXPECT_TRUE(near(frame->getPixel(GLWindow::Width - 5, GLWindow::Height - 5), portalColour));
    // The spiral at 1 radian reaches 31 pixels: the hole is the crescent it still encloses.
    EXPECT_TRUE(near(frame->getPixel(GLWindow::Width / 2 + 8, GLWindow::Height / 2 + 10), grabColour))
        << "the last of the old picture is seen in the middle";
    EXPECT_TRUE(near(frame->getPixel(GLWindow::Width / 2 - 15, GLWindow::Height / 2 - 8), portalColour));
}
