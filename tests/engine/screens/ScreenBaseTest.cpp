#include <gtest/gtest.h>

#include <functional>

#include "engine/config/Config.hpp"
#include "engine/resources/ResourceManager.hpp"
#include "engine/screens/ScreenBase.hpp"
#include "engine/transitions/Transition.hpp"
#include "engine/widgets/MouseListeningWidget.hpp"
#include "engine/widgets/WidgetManager.hpp"
#include "support/FakeTexture.hpp"
#include "support/RecordingWidget.hpp"
#include "support/TestApp.hpp"
#include "support/MouseEvents.hpp"

namespace {

using Log = std::vector<std::string>;

const Color kLower(10, 0, 0);
const Color kBackground(20, 0, 0);
const Color kWidget(30, 0, 0);
const Color kForeground(40, 0, 0);
const Color kUpper(50, 0, 0);

// A transition that runs until the test ends it; it draws a marker in each layer.
class ManualTransition : public Transition {
public:
    explicit ManualTransition(Log* log) : log_(log) {}
    void drawLower(Graphics* graphics) override { graphics->fillRect(0, 0, 1, 1, kLower); }
    void drawUpper(Graphics* graphics) override { graphics->fillRect(0, 0, 1, 1, kUpper); }
    void update(int milliseconds) override { log_->push_back("transition " + std::to_string(milliseconds)); }
    void end() { finish(); }

private:
    Log* log_;
};

class ProbeScreen : public ScreenBase {
public:
    ProbeScreen(Log* log, bool* deleted = nullptr) : ScreenBase("probe"), log_(log), deleted_(deleted) {}
    ~ProbeScreen() override {
        if (deleted_ != nullptr) {
            *deleted_ = true;
        }
    }

    void onMousePressed(const MouseEvent& event) override {
        log_->push_back("pressed " + std::to_string(event.x) + "," + std::to_string(event.y));
    }

    std::function<void(ProbeScreen&)> buildHook;
    std::function<void(ProbeScreen&)> enterHook;
    std::function<void(int)> leftHook;

protected:
    void build() override {
        log_->push_back("build");
        if (buildHook) {
            buildHook(*this);
        }
    }
    void onEnter() override {
        log_->push_back("onEnter");
        if (enterHook) {
            enterHook(*this);
        }
    }
    void onUpdate(int milliseconds) override { log_->push_back("onUpdate " + std::to_string(milliseconds)); }
    void onEntered() override { log_->push_back("onEntered"); }
    void onLeft(int result) override {
        log_->push_back("onLeft " + std::to_string(result));
        if (leftHook) {
            leftHook(result);
        }
    }
    void drawBackground(Graphics* graphics) override { graphics->fillRect(0, 0, 1, 1, kBackground); }
    void drawForeground(Graphics* graphics) override { graphics->fillRect(0, 0, 1, 1, kForeground); }

private:
    Log* log_;
    bool* deleted_;
};

MouseListeningWidget* catchAllOf(const ScreenBase& screen) {
    for (Widget* widget : screen.getWidgets()) {
        if (auto* catchAll = dynamic_cast<MouseListeningWidget*>(widget)) {
            return catchAll;
        }
    }
    return nullptr;
}

// Where each fillRect landed, following the recorded matrix operations.
struct Fill {
    Color color;
    float x;
    float y;
};
std::vector<Fill> fills(const RecordingGraphics& graphics) {
    std::vector<Point> stack{Point()};
    std::vector<Fill> out;
    for (const auto& call : graphics.calls) {
        if (call.op == "pushMatrix") {
            stack.push_back(stack.back());
        } else if (call.op == "popMatrix") {
            stack.pop_back();
        } else if (call.op == "loadIdentity") {
            stack.back() = Point();
        } else if (call.op == "translate") {
            stack.back().x += call.args[0];
            stack.back().y += call.args[1];
        } else if (call.op == "fillRect") {
            out.push_back(Fill{call.color, stack.back().x + call.args[0], stack.back().y + call.args[1]});
        }
    }
    return out;
}

class ScreenBaseTest : public ::testing::Test {
protected:
    void SetUp() override {
        Config::reset();
        app.setLastMousePosition(Point(-1000, -1000));
    }
    Log take() {
        Log out;
        out.swap(log);
        return out;
    }

    // Declared first so it outlives the application, whose screens log
    // their widgets' detachment while it is destroyed.
    Log log;
    TestApp app;
};

TEST_F(ScreenBaseTest, EmptyTransitionsShowAtOnceAndLeaveOnTheNextUpdate) {
    bool deleted = false;
    auto* screen = new ProbeScreen(&log, &deleted);
    EXPECT_EQ("probe", screen->getName());
    screen->leftHook = [&](int) { app.popState(); };
    app.startState(screen);
    EXPECT_EQ(screen, app.topState());
    EXPECT_EQ((Log{"build", "onEnter", "onEntered"}), take());

    app.updateStates(16);
    EXPECT_EQ(ScreenBase::Shown, screen->getPhase());
    EXPECT_EQ((Log{"onUpdate 16"}), take());

    screen->startLeave(42, true);
    EXPECT_EQ(ScreenBase::Leaving, screen->getPhase());
    EXPECT_FALSE(screen->getWidgetManager()->isInputEnabled());
    app.deliverMouse(leftPress(10, 10));
    EXPECT_TRUE(take().empty());
    app.updateStates(16);
    EXPECT_EQ((Log{"onUpdate 16", "onLeft 42"}), take());
    EXPECT_TRUE(deleted);
    EXPECT_EQ(nullptr, app.topState());
}

TEST_F(ScreenBaseTest, TransitionsRunUntilTheyFinish) {
    auto* screen = new ProbeScreen(&log);
    auto* enter = new ManualTransition(&log);
    auto* exit = new ManualTransition(&log);
    screen->setEnterTransition(enter);
    screen->setLeaveTransition(exit);
    app.startState(screen);
    EXPECT_EQ(ScreenBase::Entering, screen->getPhase());
    EXPECT_TRUE(enter->isRunning());
    take();

    app.updateStates(10);
    app.updateStates(12);
    EXPECT_EQ((Log{"onUpdate 10", "transition 10", "onUpdate 12", "transition 12"}), take());
    enter->end();
    EXPECT_EQ(ScreenBase::Shown, screen->getPhase());
    EXPECT_EQ((Log{"onEntered"}), take());
    app.updateStates(16);
    EXPECT_EQ((Log{"onUpdate 16"}), take());

    screen->startLeave(7, false);
    EXPECT_TRUE(screen->getWidgetManager()->isInputEnabled());
    app.updateStates(16);
    EXPECT_EQ((Log{"onUpdate 16", "transition 16"}), take());
    exit->end();
    EXPECT_TRUE(take().empty());
    app.updateStates(16);
    EXPECT_EQ((Log{"onUpdate 16", "onLeft 7"}), take());

    // Without an enter transition the screen is shown on its first update.
    auto* bare = new ProbeScreen(&log);
    bare->setEnterTransition(nullptr);
    app.pushState(bare);
    EXPECT_EQ(ScreenBase::Entering, bare->getPhase());
    take();
    bare->update(5);
    EXPECT_EQ(ScreenBase::Shown, bare->getPhase());
    EXPECT_EQ((Log{"onUpdate 5", "onEntered"}), take());
}

TEST_F(ScreenBaseTest, CatchAllWidgetLiesAboveWidgetsFromBuildAndBelowThoseFromOnEnter) {
    auto* screen = new ProbeScreen(&log);
    auto* early = new RecordingWidget("early", &log, 0, 0);
    auto* late = new RecordingWidget("late", &log, 500, 0);
    screen->buildHook = [&](ProbeScreen& s) { s.addWidget(early); };
    screen->enterHook = [&](ProbeScreen& s) { s.addWidget(late); };
    app.startState(screen);
    MouseListeningWidget* catchAll = catchAllOf(*screen);
    ASSERT_NE(nullptr, catchAll);
    EXPECT_EQ(1, early->getZ());
    EXPECT_EQ(2, catchAll->getZ());
    EXPECT_EQ(3, late->getZ());
    EXPECT_EQ(WidgetBounds(0, 0, 2, 1024, 768), catchAll->getBounds());

    app.updateStates(0);
    take();
    app.deliverMouse(leftPress(10, 10));
    EXPECT_EQ((Log{"pressed 10,10"}), take());
    app.deliverMouse(leftPress(510, 10));
    EXPECT_EQ((Log{"late:press", "late:focus"}), take());

    app.setScreenSize(1280, 1024);
    screen->relayout();
    EXPECT_EQ(WidgetBounds(0, 0, 2, 1280, 1024), catchAll->getBounds());
}

TEST_F(ScreenBaseTest, SafeRemovalDeletesTheWidgetOnlyAtTheNextUpdate) {
    auto* screen = new ProbeScreen(&log);
    bool deleted = false;
    auto* button = new RecordingWidget("button", &log, 0, 0);
    button->deleted = &deleted;
    button->onPress = [&] {
        screen->safeRemoveWidget(button);
        screen->safeRemoveWidget(button);
        screen->safeRemoveWidget(nullptr);
    };
    screen->enterHook = [&](ProbeScreen& s) { s.addWidget(button); };
    app.startState(screen);
    app.updateStates(0);
    const std::size_t widgets = screen->getWidgets().size();
    take();

    app.deliverMouse(leftPress(10, 10));
    EXPECT_EQ((Log{"button:press", "button:detached"}), take());
    EXPECT_FALSE(deleted);
    EXPECT_FALSE(screen->getWidgetManager()->contains(button));
    EXPECT_EQ(widgets, screen->getWidgets().size());
    app.deliverMouse(leftPress(10, 10));
    EXPECT_TRUE(take().empty());

    app.updateStates(16);
    EXPECT_TRUE(deleted);
    EXPECT_EQ(widgets - 1, screen->getWidgets().size());
    app.deliverMouse(leftPress(10, 10));
    EXPECT_EQ((Log{"onUpdate 16", "pressed 10,10"}), take());
}

TEST_F(ScreenBaseTest, PausedScreenIsDrawnButGetsNoInputOrUpdate) {
    Log upperLog;
    auto* lower = new ProbeScreen(&log);
    auto* upper = new ProbeScreen(&upperLog);
    app.startState(lower);
    app.startState(upper);
    EXPECT_FALSE(lower->isEnabled());
    take();
    upperLog.clear();

    app.updateStates(16);
    app.updateStates(0);
    app.deliverMouse(leftPress(10, 10));
    EXPECT_TRUE(take().empty());
    EXPECT_EQ((Log{"onUpdate 16", "onUpdate 0", "pressed 10,10"}), upperLog);

    app.drawStates(&app.graphics);
    std::size_t backgrounds = 0;
    for (const Fill& fill : fills(app.graphics)) {
        backgrounds += fill.color == kBackground ? 1 : 0;
    }
    EXPECT_EQ(2u, backgrounds);

    app.popState();
    EXPECT_TRUE(lower->isEnabled());
    app.updateStates(3);
    app.deliverMouse(leftPress(10, 10));
    EXPECT_EQ((Log{"onUpdate 3", "pressed 10,10"}), take());
}

TEST_F(ScreenBaseTest, LayersAreDrawnInOrderShiftedByTheLetterboxOffset) {
    Config::instance().setOffsets(64, 0);
    auto* screen = new ProbeScreen(&log);
    auto* enter = new ManualTransition(&log);
    screen->setEnterTransition(enter);
    auto* widget = new RecordingWidget("widget", &log, 100, 50, 0, 10, 10);
    widget->color = kWidget;
    screen->enterHook = [&](ProbeScreen& s) { s.addWidget(widget); };
    app.startState(screen);
    EXPECT_EQ(64, screen->getOffsetX());

    screen->draw(&app.graphics);
    std::vector<Fill> drawn = fills(app.graphics);
    ASSERT_EQ(5u, drawn.size());
    EXPECT_EQ(kLower, drawn[0].color);
    EXPECT_EQ(kBackground, drawn[1].color);
    EXPECT_EQ(kWidget, drawn[2].color);
    EXPECT_EQ(kForeground, drawn[3].color);
    EXPECT_EQ(kUpper, drawn[4].color);
    for (const Fill& fill : drawn) {
        const bool isWidget = fill.color == kWidget;
        EXPECT_FLOAT_EQ(isWidget ? 164.0f : 64.0f, fill.x);
        EXPECT_FLOAT_EQ(isWidget ? 50.0f : 0.0f, fill.y);
    }
    EXPECT_EQ(app.graphics.callsOf("pushMatrix").size(), app.graphics.callsOf("popMatrix").size());

    // Once shown, the transition's layers are no longer drawn.
    enter->end();
    app.graphics.calls.clear();
    screen->draw(&app.graphics);
    EXPECT_EQ(3u, fills(app.graphics).size());

    // Mouse coordinates reach the screen's widgets without the offset.
    app.updateStates(0);
    take();
    app.deliverMouse(leftPress(100, 5));
    EXPECT_EQ((Log{"pressed 36,5"}), take());
}

TEST_F(ScreenBaseTest, ScreenOwnsWidgetsAndResources) {
    bool screenDeleted = false;
    bool kept = false;
    bool owned = false;
    bool removed = false;
    auto* screen = new ProbeScreen(&log, &screenDeleted);
    auto* keptWidget = new RecordingWidget("kept", &log);
    auto* ownedWidget = new RecordingWidget("owned", &log);
    auto* removedWidget = new RecordingWidget("removed", &log);
    keptWidget->deleted = &kept;
    ownedWidget->deleted = &owned;
    removedWidget->deleted = &removed;
    screen->addWidget(keptWidget);
    screen->addWidget(ownedWidget);
    screen->addWidget(removedWidget);
    screen->removeWidget(keptWidget);
    screen->deleteWidget(removedWidget);
    EXPECT_TRUE(removed);
    EXPECT_EQ(1u, screen->getWidgets().size());

    auto* texture = new FakeTexture(4, 4, 4, 4);
    screen->getResourceManager()->addTexture("T", texture);
    app.startState(screen);
    screen->releaseGraphics();
    screen->restoreGraphics();
    EXPECT_EQ(1, texture->releases);
    EXPECT_EQ(1, texture->restores);

    app.popState();
    EXPECT_TRUE(screenDeleted);
    EXPECT_TRUE(owned);
    EXPECT_FALSE(kept);
    delete keptWidget;
}

TEST_F(ScreenBaseTest, ReplacementIsPushedInsteadOfTheScreen) {
    auto* replacement = new ProbeScreen(&log);
    ProbeScreen placeholder(&log);
    placeholder.setReplacement(replacement);
    app.startState(&placeholder);
    EXPECT_EQ(replacement, app.topState());
    EXPECT_EQ(1u, app.getStates().size());
    EXPECT_EQ((Log{"onEnter", "onEntered"}), take());
}

}  // namespace
