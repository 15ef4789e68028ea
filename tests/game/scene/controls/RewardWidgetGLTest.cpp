#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>

#include "engine/config/Config.hpp"
#include "engine/core/ContentPath.hpp"
#include "engine/render/GLTextureFactory.hpp"
#include "engine/render/PngWriter.hpp"
#include "engine/render/SDLSurfaceImage.hpp"
#include "engine/render/Texture.hpp"
#include "engine/text/AngelFont.hpp"
#include "engine/widgets/WidgetManager.hpp"
#include "game/scene/controls/RewardWidget.hpp"
#include "support/BareScreen.hpp"
#include "support/GLWindow.hpp"
#include "support/PixelCount.hpp"
#include "support/ScratchFolder.hpp"
#include "support/TestApp.hpp"

namespace {

class Ends : public RewardWidgetListener {
public:
    void rewardEnded(RewardWidget* /*reward*/) override { ++ended; }
    int ended = 0;
};

struct Average {
    double r = 0;
    double g = 0;
    double b = 0;
};

// The mean colour of a thin ring round (cx, cy): there the medal shows its
// plain metal between the milled edge and the face.
Average ringColour(const SDLSurfaceImage& shot, int cx, int cy, int inner, int outer) {
    Average sum;
    int count = 0;
    for (int y = cy - outer; y <= cy + outer; ++y) {
        for (int x = cx - outer; x <= cx + outer; ++x) {
            const double distance = std::hypot(x - cx, y - cy);
            if (distance < inner || distance > outer) {
                continue;
            }
            const Color c = shot.getPixel(x, y);
            sum.r += c.r;
            sum.g += c.g;
            sum.b += c.b;
            ++count;
        }
    }
    sum.r /= count;
    sum.g /= count;
    sum.b /= count;
    return sum;
}

}  // namespace

// Each badge over a scene, photographed while it holds: the scene dimmed, the
// medal in its own metal centred on the screen, the text written in the band
// below it; the screen takes input again once the badge has faded. The
// pictures go to build/tmp/reward-<metal>-<ms>ms.png.
TEST(RewardWidgetGL, EachBadgeShowsItsMetalAboveTheTextThenGivesInputBack) {
    TestApp app(1024, 768);
    GLWindow::get();
    Config::reset();
    Config::instance().setContentFolder(CHRONA_CONTENT_DIR);
    ASSERT_TRUE(Config::instance().load(ContentPath::resolve("content/config/config.xml")));
    GLTextureFactory textures;
    const std::unique_ptr<Texture> scene(
        textures.load("content/scenes/location00_past/Background.png", nullptr, Texture::KeepNothing));
    ASSERT_GT(scene->getWidth(), 0);
    AngelFont font(CHRONA_CONTENT_DIR "/fonts/TrajanPro22.fnt", &textures);
    ASSERT_GT(font.getLineHeight(), 0);

    const int undimmed = brightness(
        GLWindow::get().photograph(1024, 768, [&](Graphics& g) { g.drawImage(0, 0, scene.get(), Color::white()); })
            ->getPixel(760, 160));
    const char* const names[] = {"gold", "silver", "bronze"};
    Average metals[3];
    for (int badge : {RewardWidget::Gold, RewardWidget::Silver, RewardWidget::Bronze}) {
        SCOPED_TRACE(names[badge]);
        BareScreen stage;
        Ends ends;
        auto* reward = new RewardWidget(&ends, badge, "Time challenge won!", &font, &textures);
        stage.addWidget(reward);
        reward->play();
        const auto photograph = [&](int at) {
            auto shot = GLWindow::get().photograph(1024, 768, [&](Graphics& g) {
                g.drawImage(0, 0, scene.get(), Color::white());
                stage.getWidgetManager()->draw(&g, &stage);
            });
            EXPECT_TRUE(writePng(shot->getSurface(), pictureFile(std::string("reward-") + names[badge] + "-" +
                                                                 std::to_string(at) + "ms.png")));
            return shot;
        };
        int now = 0;
        const auto runTo = [&](int at) {
            for (; now < at; now += 20) {
                reward->update(20, &stage);
            }
        };
        runTo(260);
        photograph(now);
        runTo(1500);
        const std::unique_ptr<SDLSurfaceImage> held = photograph(now);
        EXPECT_FALSE(stage.getWidgetManager()->isInputEnabled());

        // The medal's plain metal ring (radius 90 to 97 about its centre at 512, 380).
        metals[badge] = ringColour(*held, 512, 380, 92, 96);
        const Average& metal = metals[badge];
        EXPECT_GT(metal.r + metal.g + metal.b, 400) << "a bright metal";
        // The text stands in white in its band below the medal.
        EXPECT_GT(countPixels(*held, 362, 554, 662, 586, [](const Color& c) { return brightness(c) > 600; }), 150)
            << "the text is readable";
        // The scene away from the badge (the window's light) is dimmed, not covered.
        const int dimmed = brightness(held->getPixel(760, 160));
        EXPECT_LT(dimmed, undimmed - 40);
        EXPECT_GT(dimmed, undimmed / 2);

        runTo(3400);
        EXPECT_EQ(ends.ended, 1);
        EXPECT_TRUE(stage.getWidgetManager()->isInputEnabled());
    }
    // Gold is yellow, silver nearly grey, bronze redder than gold.
    for (const Average& metal : {metals[0], metals[2]}) {
        EXPECT_GT(metal.r - metal.b, 70);
    }
    EXPECT_LT(std::max({metals[1].r, metals[1].g, metals[1].b}) - std::min({metals[1].r, metals[1].g, metals[1].b}), 30);
    EXPECT_GT(metals[2].r - metals[2].g, metals[0].r - metals[0].g + 15);
    Config::reset();
}
