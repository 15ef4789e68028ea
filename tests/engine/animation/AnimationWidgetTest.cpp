#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "engine/animation/Animation2D.hpp"
#include "engine/animation/AnimationListener.hpp"
#include "engine/render/TextureFactory.hpp"
#include "engine/animation/AnimationWidget.hpp"
#include "tests/engine/widgets/ControlTestKit.hpp"
#include "support/ScratchFolder.hpp"

namespace {

using namespace controls;

class SizedTextures : public TextureFactory {
public:
    Texture* load(const std::string&, ImageFilter*, int) override { return new FakeTexture(40, 20, 64, 32); }
};

struct EndLog : AnimationListener {
    void animationFinished(int id) override { ended.push_back(id); }
    std::vector<int> ended;
};

using AnimationWidgetTest = ControlTest;

TEST_F(AnimationWidgetTest, KeyFrameAnimationPlaysInsideTheWidgetAndEndsOnce) {
    const std::string dir = scratchFolder("widgets");
    const std::string path = dir + "slide.xml";
    std::ofstream(path) << "<Scene name='slide' loop='0' length='400'><Screen Width='300' Height='120'/>"
                           "<Object file='dot.png' type='0'>"
                           "<KeyFrame TimeStamp='0' TypeInterpolator='0' Type='0' x='0' y='10' z='0' ScaleX='100'"
                           " ScaleY='100' Angle='0' Red='255' Green='255' Blue='255' Alpha='255'/>"
                           "<KeyFrame TimeStamp='400' TypeInterpolator='0' Type='0' x='200' y='10' z='0'"
                           " ScaleX='100' ScaleY='100' Angle='0' Red='255' Green='255' Blue='255' Alpha='255'/>"
                           "</Object></Scene>";
    SizedTextures textures;
    EndLog log;
    AnimationWidget widget(path, 42, &log, &textures);
    ASSERT_NE(nullptr, widget.getAnimation());
    EXPECT_EQ(300, widget.getWidth());
    EXPECT_EQ(120, widget.getHeight());
    widget.setPosition(50, 60);
    manager->add(&widget);
    frame(0);

    // Nothing moves before play.
    frame(200);
    const auto& dot = *widget.getAnimation()->getElements()[0];
    EXPECT_FLOAT_EQ(0.0f, dot.current.x);

    widget.play();
    frame(100);
    frame(100);
    EXPECT_NEAR(100.0f, dot.current.x, 1.0f);
    app.graphics.calls.clear();
    manager->draw(&app.graphics, &screen);
    EXPECT_FALSE(app.graphics.callsOf("drawImage").empty() && app.graphics.callsOf("drawQuad").empty());
    EXPECT_EQ((std::vector<float>{50, 60}), app.graphics.callsOf("translate")[0].args);

    for (int i = 0; i < 5; ++i) {
        frame(100);
    }
    EXPECT_EQ(std::vector<int>{42}, log.ended);
    EXPECT_TRUE(widget.isFinished());
    app.graphics.calls.clear();
    manager->draw(&app.graphics, &screen);
    EXPECT_TRUE(app.graphics.callsOf("drawImage").empty());
    EXPECT_TRUE(app.graphics.callsOf("drawQuad").empty());

    // It can be played again.
    widget.play();
    EXPECT_FALSE(widget.isFinished());
    frame(100);
    EXPECT_NEAR(50.0f, dot.current.x, 1.0f);
    manager->remove(&widget);
}

TEST_F(AnimationWidgetTest, SheetFramesStepByTheFrameTime) {
    FakeTexture sheet(256, 256, 256, 256);
    EndLog log;
    AnimationWidget pickup(AnimationWidget::Sheet{&sheet, 4, 4, 16, 80}, false, 5, &log);
    EXPECT_EQ(64, pickup.getWidth());
    pickup.setGeometry(100, 100, 128, 128);
    manager->add(&pickup);
    frame(0);
    pickup.play();

    frame(79);
    EXPECT_EQ(0, pickup.getFrame());
    frame(1);
    EXPECT_EQ(1, pickup.getFrame());
    frame(4 * 80);
    EXPECT_EQ(5, pickup.getFrame());
    app.graphics.calls.clear();
    pickup.draw(&app.graphics, &screen);
    const auto drawn = app.graphics.callsOf("drawImage");
    ASSERT_EQ(1u, drawn.size());
    EXPECT_EQ((std::vector<float>{0, 0, 128, 128, 64, 64, 127, 127}), drawn[0].args);

    frame(10 * 80);
    EXPECT_EQ(15, pickup.getFrame());
    EXPECT_TRUE(log.ended.empty());
    frame(80);
    EXPECT_EQ(std::vector<int>{5}, log.ended);
    frame(1000);
    EXPECT_EQ(std::vector<int>{5}, log.ended);
    app.graphics.calls.clear();
    pickup.draw(&app.graphics, &screen);
    EXPECT_TRUE(app.graphics.calls.empty());

    AnimationWidget glow(AnimationWidget::Sheet{&sheet, 4, 4, 16, 80}, true, 6, &log);
    manager->add(&glow);
    frame(0);
    glow.play();
    frame(16 * 80);
    EXPECT_EQ(0, glow.getFrame());
    EXPECT_EQ(std::vector<int>{5}, log.ended);
    manager->remove(&glow);
    manager->remove(&pickup);
}

}  // namespace
