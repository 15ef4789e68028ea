#include <gtest/gtest.h>

#include <memory>

#include "engine/config/Config.hpp"
#include "engine/screens/ScreenBase.hpp"
#include "engine/widgets/WidgetManager.hpp"
#include "support/RecordingWidget.hpp"
#include "support/TestApp.hpp"
#include "support/MouseEvents.hpp"

namespace {

using Log = std::vector<std::string>;

class IdleScreen : public ScreenBase {
public:
    IdleScreen() : ScreenBase("idle") {}

protected:
    void build() override {}
    void onEnter() override {}
};

class WidgetManagerTest : public ::testing::Test {
protected:
    void SetUp() override {
        Config::reset();
        app.setLastMousePosition(Point(-1000, -1000));
    }
    // Builds the manager after the test has set the configuration's offsets.
    WidgetManager& manager() {
        if (!manager_) {
            manager_ = std::make_unique<WidgetManager>(&screen);
        }
        return *manager_;
    }
    Log take() {
        Log out;
        out.swap(log);
        return out;
    }
    void press(int x, int y) { manager().onMouseEvent(mouseEvent(MouseEvent::Press, x, y, MouseEvent::Left)); }
    void release(int x, int y) { manager().onMouseEvent(mouseEvent(MouseEvent::Release, x, y, MouseEvent::Left)); }
    void move(int x, int y, int buttons = 0) { manager().onMouseEvent(mouseEvent(MouseEvent::Move, x, y, buttons)); }

    TestApp app;
    IdleScreen screen;
    Log log;

private:
    std::unique_ptr<WidgetManager> manager_;
};

TEST_F(WidgetManagerTest, DepthOrderDecidesDrawingAndHitting) {
    RecordingWidget a("a", &log), b("b", &log), c("c", &log);
    manager().add(&a);
    manager().add(&b);
    manager().add(&c);
    EXPECT_EQ(1, a.getZ());
    EXPECT_EQ(2, b.getZ());
    EXPECT_EQ(3, c.getZ());
    EXPECT_EQ(&c, manager().widgetAt(50, 50));
    EXPECT_EQ(&a, manager().getWidgets().back());

    take();
    manager().draw(&app.graphics, &screen);
    EXPECT_EQ((Log{"a:draw", "b:draw", "c:draw"}), take());

    RecordingWidget d("d", &log, 0, 0, 7), e("e", &log, 0, 0, 7);
    manager().add(&d);
    manager().add(&e);
    EXPECT_EQ(7, d.getZ());
    EXPECT_EQ(&e, manager().widgetAt(50, 50));

    RecordingWidget f("f", &log);
    manager().add(&f);
    EXPECT_EQ(8, f.getZ());

    manager().bringToFront(&a);
    EXPECT_EQ(9, a.getZ());
    EXPECT_EQ(&a, manager().widgetAt(50, 50));
    EXPECT_EQ(&a, manager().getWidgets().front());

    c.setVisible(false);
    take();
    manager().draw(&app.graphics, &screen);
    EXPECT_EQ((Log{"b:draw", "d:draw", "e:draw", "f:draw", "a:draw"}), take());
}

TEST_F(WidgetManagerTest, WidgetsAreDrawnTranslatedToTheirPositionAndOverlaysLast) {
    RecordingWidget low("low", &log, 10, 20), high("high", &log, 30, 40);
    manager().add(&low);
    manager().add(&high);
    low.onDraw = [&] { manager().requestOverlay(&low, 5); };
    high.onDraw = [&] { manager().requestOverlay(&high, 1); };
    take();
    manager().draw(&app.graphics, &screen);
    EXPECT_EQ((Log{"low:draw", "high:draw", "high:overlay", "low:overlay"}), take());

    const auto translations = app.graphics.callsOf("translate");
    ASSERT_EQ(4u, translations.size());
    EXPECT_EQ((std::vector<float>{10, 20}), translations[0].args);
    EXPECT_EQ((std::vector<float>{30, 40}), translations[1].args);
    EXPECT_EQ((std::vector<float>{30, 40}), translations[2].args);
    EXPECT_EQ(app.graphics.callsOf("pushMatrix").size(), app.graphics.callsOf("popMatrix").size());

    // Requests last one frame only; an invisible widget's overlay is skipped.
    low.onDraw = nullptr;
    high.setVisible(false);
    high.onDraw = nullptr;
    manager().requestOverlay(&high, 0);
    manager().draw(&app.graphics, &screen);
    EXPECT_EQ((Log{"low:draw"}), take());
}

TEST_F(WidgetManagerTest, DisabledWidgetIsSkippedByHitTesting) {
    RecordingWidget lower("lower", &log), upper("upper", &log);
    manager().add(&lower);
    manager().add(&upper);
    upper.setEnabled(false);
    EXPECT_EQ(&lower, manager().widgetAt(10, 10));
    manager().update(0, &screen);
    take();
    press(10, 10);
    EXPECT_EQ((Log{"lower:press", "lower:focus"}), take());
    EXPECT_EQ(nullptr, manager().widgetAt(100, 10));
}

TEST_F(WidgetManagerTest, HoverFollowsThePointer) {
    RecordingWidget a("a", &log, 0, 0), b("b", &log, 200, 0);
    manager().add(&a);
    manager().add(&b);
    manager().update(0, &screen);
    take();
    move(50, 50);
    EXPECT_EQ((Log{"a:enter", "a:move"}), take());
    move(60, 50);
    EXPECT_EQ((Log{"a:move"}), take());
    move(250, 50);
    EXPECT_EQ((Log{"a:leave", "b:enter", "b:move"}), take());
    EXPECT_EQ(&b, manager().getHovered());
    move(500, 500);
    EXPECT_EQ((Log{"b:leave"}), take());
    EXPECT_EQ(nullptr, manager().getHovered());
    // Wheel events reach no widget.
    move(50, 50);
    take();
    manager().onMouseEvent(mouseEvent(MouseEvent::WheelUp, 50, 50));
    EXPECT_TRUE(take().empty());
}

TEST_F(WidgetManagerTest, DraggedWidgetKeepsTheHoverAndGetsTheRelease) {
    RecordingWidget background("bg", &log, 0, 0, 0, 1000, 1000), button("btn", &log, 100, 100, 0, 50, 50);
    manager().add(&background);
    manager().add(&button);
    manager().update(0, &screen);
    move(120, 120);
    press(120, 120);
    take();

    move(300, 300, MouseEvent::Left);
    EXPECT_EQ((Log{"btn:leave", "btn:move"}), take());
    EXPECT_EQ(300, button.lastEvent.x);
    EXPECT_EQ(&button, manager().getCaptured());
    EXPECT_EQ(&button, manager().getHovered());
    move(400, 400, MouseEvent::Left);
    EXPECT_EQ((Log{"btn:leave", "btn:move"}), take());

    release(400, 400);
    EXPECT_EQ((Log{"btn:release"}), take());
    EXPECT_EQ(nullptr, manager().getCaptured());
    EXPECT_EQ(&background, manager().getHovered());

    // Dragging back over the button ends the capture with an enter.
    move(120, 120);
    press(120, 120);
    move(300, 300, MouseEvent::Left);
    take();
    move(125, 125, MouseEvent::Left);
    EXPECT_EQ((Log{"btn:enter", "btn:move"}), take());
    EXPECT_EQ(nullptr, manager().getCaptured());
    release(125, 125);
    EXPECT_EQ((Log{"btn:release"}), take());

    // A drag that leaves every widget (the letterbox margin) still ends at the button.
    manager().remove(&background);
    manager().update(0, &screen);
    move(120, 120);
    press(120, 120);
    take();
    move(2000, 2000, MouseEvent::Left);
    EXPECT_EQ((Log{"btn:leave", "btn:move"}), take());
    release(2000, 2000);
    EXPECT_EQ((Log{"btn:release"}), take());
}

TEST_F(WidgetManagerTest, KeysGoToTheFocusedWidget) {
    RecordingWidget a("a", &log, 0, 0), b("b", &log, 200, 0), stranger("stranger", &log);
    manager().add(&a);
    manager().add(&b);
    manager().update(0, &screen);
    KeyEvent key;
    key.key = 13;
    manager().onKeyEvent(key);
    take();

    press(10, 10);
    manager().onKeyEvent(key);
    EXPECT_EQ((Log{"a:press", "a:focus", "a:key 13"}), take());
    press(210, 10);
    EXPECT_EQ((Log{"b:press", "a:unfocus", "b:focus"}), take());

    manager().setFocus(&stranger);
    EXPECT_EQ((Log{"b:unfocus"}), take());
    EXPECT_EQ(nullptr, manager().getFocused());
    manager().onKeyEvent(key);
    EXPECT_TRUE(take().empty());

    manager().setFocus(&a);
    manager().remove(&a);
    EXPECT_EQ((Log{"a:focus", "a:unfocus", "a:detached"}), take());
    EXPECT_EQ(nullptr, manager().getFocused());
    EXPECT_EQ(nullptr, a.getManager());
}

TEST_F(WidgetManagerTest, ChangingTheListInsideACallbackHoldsMouseInputUntilTheNextUpdate) {
    RecordingWidget self("self", &log, 0, 0), other("other", &log, 200, 0);
    manager().add(&self);
    manager().add(&other);
    manager().update(0, &screen);
    self.onPress = [&] { manager().remove(&self); };
    take();

    press(10, 10);
    EXPECT_EQ((Log{"self:press", "self:detached"}), take());
    EXPECT_EQ(nullptr, manager().getHovered());
    EXPECT_EQ(nullptr, manager().getFocused());
    press(210, 10);
    move(220, 10);
    EXPECT_TRUE(take().empty());

    EXPECT_TRUE(manager().update(16, &screen));
    EXPECT_EQ((Log{"other:update 16"}), take());
    press(210, 10);
    EXPECT_EQ((Log{"other:press", "other:focus"}), take());
}

TEST_F(WidgetManagerTest, UpdateWalksFarthestFirstAndStopsWhenTheListChanges) {
    RecordingWidget a("a", &log), b("b", &log), c("c", &log);
    manager().add(&a);
    manager().add(&b);
    manager().add(&c);
    EXPECT_FALSE(manager().update(5, nullptr));
    take();
    EXPECT_TRUE(manager().update(5, &screen));
    EXPECT_EQ((Log{"a:update 5", "b:update 5", "c:update 5"}), take());

    b.onUpdate = [&] { manager().remove(&a); };
    EXPECT_FALSE(manager().update(7, &screen));
    EXPECT_EQ((Log{"a:update 7", "b:update 7", "a:detached"}), take());
    EXPECT_TRUE(manager().isListChanged());
    b.onUpdate = nullptr;
    EXPECT_TRUE(manager().update(7, &screen));
    EXPECT_FALSE(manager().isListChanged());

    // A change of the list does not make the widget under the pointer enter again.
    move(50, 50);
    EXPECT_EQ(&c, manager().getHovered());
    b.onUpdate = [&] { manager().remove(&b); };
    manager().update(9, &screen);
    manager().update(9, &screen);
    take();
    move(51, 50);
    EXPECT_EQ((Log{"c:move"}), take());
}

TEST_F(WidgetManagerTest, LetterboxOffsetIsTakenOffMouseCoordinates) {
    Config::instance().setOffsets(64, 0);
    RecordingWidget narrow("narrow", &log, 30, 0, 0, 10, 10);
    manager().add(&narrow);
    manager().update(0, &screen);
    take();
    press(100, 5);
    EXPECT_EQ((Log{"narrow:press", "narrow:focus"}), take());
    EXPECT_EQ(36, narrow.lastEvent.x);
    EXPECT_EQ(5, narrow.lastEvent.y);

    manager().setOffsets(0, 0);
    press(100, 5);
    EXPECT_EQ((Log{"narrow:leave", "narrow:unfocus"}), take());

    manager().setInputEnabled(false);
    press(35, 5);
    EXPECT_TRUE(take().empty());
}

TEST_F(WidgetManagerTest, WidgetAddedUnderTheRestingPointerIsEnteredAtOnce) {
    Config::instance().setOffsets(64, 0);
    app.setLastMousePosition(Point(84, 20));
    RecordingWidget first("first", &log, 0, 0, 0, 30, 30), second("second", &log, 0, 0, 0, 30, 30),
        elsewhere("elsewhere", &log, 500, 500);
    manager().add(&first);
    EXPECT_EQ((Log{"first:attached", "first:enter"}), take());
    EXPECT_EQ(&first, manager().getHovered());
    manager().add(&elsewhere);
    EXPECT_EQ((Log{"elsewhere:attached"}), take());
    manager().add(&second);
    EXPECT_EQ((Log{"second:attached", "first:leave", "second:enter"}), take());
    EXPECT_EQ(&second, manager().getHovered());

    // Brought to the front under the pointer: entered again, disabled: not.
    manager().bringToFront(&first);
    EXPECT_EQ((Log{"second:leave", "first:enter"}), take());
    second.setEnabled(false);
    manager().bringToFront(&second);
    EXPECT_TRUE(take().empty());
    EXPECT_EQ(&first, manager().getHovered());
}

}  // namespace
