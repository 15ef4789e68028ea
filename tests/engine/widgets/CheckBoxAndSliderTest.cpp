#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "engine/widgets/CheckBoxListener.hpp"
#include "engine/widgets/CheckBoxWidget.hpp"
#include "engine/widgets/CustomCheckBox.hpp"
#include "engine/widgets/CustomSliderListener.hpp"
#include "engine/widgets/CustomSliderWidget.hpp"
#include "tests/engine/widgets/ControlTestKit.hpp"

namespace {

using namespace controls;

struct ChangeLog : CheckBoxListener, CustomSliderListener {
    void onCheckBoxChanged(int id, bool checked) override { checks.emplace_back(id, checked); }
    void onSliderChanged(int id, float value) override { values.emplace_back(id, value); }
    std::vector<std::pair<int, bool>> checks;
    std::vector<std::pair<int, float>> values;
};

class CheckBoxAndSliderTest : public PlacedControlTest {
protected:
    std::vector<RecordingGraphics::Call> drawnImages(Widget& widget) {
        app.graphics.calls.clear();
        widget.draw(&app.graphics, &screen);
        return app.graphics.callsOf("drawImage");
    }

    ChangeLog log;
};

TEST_F(CheckBoxAndSliderTest, CheckBoxesToggleOnPressAndSoundTheirState) {
    FakeTexture box(32, 32, 32, 32), mark(24, 24, 32, 32);
    CheckBoxWidget check(&log, 5, &box, &mark, 4, 2);
    EXPECT_EQ(32, check.getWidth());
    place(check, 100, 100);

    press(110, 110);
    release(110, 110);
    EXPECT_TRUE(check.isChecked());
    EXPECT_EQ((std::vector<std::pair<int, bool>>{{5, true}}), log.checks);
    EXPECT_EQ((Sounds{"CHECKBOX_CHECK"}), takeSounds());
    auto images = drawnImages(check);
    ASSERT_EQ(2u, images.size());
    EXPECT_EQ(&mark, images[1].texture);
    EXPECT_EQ(4, images[1].args[0]);
    EXPECT_EQ(2, images[1].args[1]);
    EXPECT_EQ(Color::white(), images[1].color);

    press(110, 110);
    EXPECT_FALSE(check.isChecked());
    EXPECT_EQ((Sounds{"CHECKBOX_UNCHECK"}), takeSounds());
    EXPECT_EQ(1u, drawnImages(check).size());

    // Set by the program: no sound, no notification.
    log.checks.clear();
    check.setChecked(true);
    EXPECT_TRUE(log.checks.empty());
    EXPECT_TRUE(takeSounds().empty());

    FakeTexture off(100, 30, 128, 32), on(100, 30, 128, 32);
    CustomCheckBox custom(&log, 6, &off, &on, IntRect(0, 0, 30, 30));
    custom.setGeometry(300, 300, 100, 30);
    manager->add(&custom);
    frame(0);
    press(350, 310);
    EXPECT_FALSE(custom.isChecked());
    EXPECT_TRUE(takeSounds().empty());
    press(310, 310);
    EXPECT_TRUE(custom.isChecked());
    EXPECT_EQ((Sounds{"CHECKBOX_CHECK"}), takeSounds());
    images = drawnImages(custom);
    ASSERT_EQ(1u, images.size());
    EXPECT_EQ(&on, images[0].texture);
    EXPECT_EQ(Color::white(), images[0].color);
    custom.setEnabled(false);
    images = drawnImages(custom);
    EXPECT_EQ(Color(128, 128, 128, 255), images[0].color);
    press(310, 310);
    EXPECT_TRUE(custom.isChecked());

    // The whole widget counts when the hit rectangle's x is -1.
    CustomCheckBox anywhere(nullptr, 7, &off, &on);
    place(anywhere, 500, 500);
    press(590, 520);
    EXPECT_TRUE(anywhere.isChecked());

    sfx.setEnabled(false);
    std::vector<std::string> fallbackLog;
    LoggedSound fallback("FALLBACK", fallbackLog);
    anywhere.setFallbackSound(&fallback);
    press(590, 520);
    EXPECT_EQ((Sounds{"FALLBACK"}), fallbackLog);
}

TEST_F(CheckBoxAndSliderTest, SliderFollowsTheDragEvenOffItself) {
    FakeTexture knob(20, 30, 32, 32), knobOver(20, 30, 32, 32);
    CustomSliderWidget slider(&log, 1, &knob, &knobOver, IntRect(0, 10, 200, 10), 0, -6);
    slider.setGeometry(100, 100, 220, 30);
    manager->add(&slider);
    frame(0);

    slider.setValue(0.25f);
    EXPECT_TRUE(log.values.empty());
    EXPECT_EQ(50, slider.knobLeft());
    // The knob is hit above the track; the space beside both is not.
    EXPECT_EQ(&slider, manager->widgetAt(160, 96));
    EXPECT_NE(&slider, manager->widgetAt(250, 96));
    EXPECT_EQ(&slider, manager->widgetAt(250, 112));

    move(160, 112);
    EXPECT_EQ(&knobOver, slider.getCurrentKnob());
    press(200, 112);
    EXPECT_TRUE(slider.isDragging());
    ASSERT_EQ(1u, log.values.size());
    EXPECT_FLOAT_EQ(0.5f, log.values[0].second);

    // Dragged off the slider the moves still arrive and the value is clamped.
    move(150, 400, MouseEvent::Left);
    EXPECT_FLOAT_EQ(0.25f, slider.getValue());
    EXPECT_EQ(&knobOver, slider.getCurrentKnob());
    move(900, 400, MouseEvent::Left);
    EXPECT_FLOAT_EQ(1.0f, slider.getValue());
    EXPECT_FLOAT_EQ(1.0f, log.values.back().second);
    move(-300, 400, MouseEvent::Left);
    EXPECT_FLOAT_EQ(0.0f, slider.getValue());
    EXPECT_FLOAT_EQ(0.0f, log.values.back().second);
    const std::size_t reported = log.values.size();

    release(-300, 400);
    EXPECT_FALSE(slider.isDragging());
    EXPECT_EQ(&knob, slider.getCurrentKnob());
    move(150, 112);
    move(180, 112);
    EXPECT_EQ(reported, log.values.size());
    EXPECT_FLOAT_EQ(0.0f, slider.getValue());

    auto images = drawnImages(slider);
    ASSERT_EQ(1u, images.size());
    EXPECT_EQ(0, images[0].args[0]);
    EXPECT_EQ(-6, images[0].args[1]);

    // Frame animations step once a frame time has gone by, unless paused.
    FakeTexture strip(64, 16, 64, 16);
    CustomSliderWidget::FrameAnimation glint;
    glint.strip = &strip;
    glint.frames = 4;
    glint.frameDuration = 100;
    slider.addAnimation(glint);
    frame(60);
    EXPECT_EQ(0, slider.animations()[0].frame);
    frame(60);
    EXPECT_EQ(1, slider.animations()[0].frame);
    EXPECT_EQ(20, slider.animations()[0].elapsed);
    slider.animations()[0].paused = true;
    frame(100);
    EXPECT_EQ(1, slider.animations()[0].frame);
}

}  // namespace
