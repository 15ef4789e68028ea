#include <gtest/gtest.h>

#include <functional>

#include "engine/screens/GameState.hpp"
#include "support/TestApp.hpp"

namespace {

using Log = std::vector<std::string>;

// A state that writes "name:operation" for every call of the application.
// Like a screen it pushes itself when started; hooks let a test act from
// inside an update or an event.
class ProbeState : public GameState {
public:
    ProbeState(std::string name, Log* log) : name_(std::move(name)), log_(log) {}

    void onKeyEvent(const KeyEvent& /*event*/) override {
        note("key");
        if (onInput) {
            onInput();
        }
    }
    void onMouseEvent(const MouseEvent& /*event*/) override { note("mouse"); }
    void start(StateStack* app) override {
        note("start");
        app->pushState(this);
    }
    void enter(StateStack* /*app*/) override { note("enter"); }
    void leave(StateStack* /*app*/) override { note("leave"); }
    void pause(StateStack* /*app*/) override {
        note("pause");
        enabled_ = false;
    }
    void resume(StateStack* /*app*/) override {
        note("resume");
        enabled_ = true;
    }
    void draw(Graphics* /*graphics*/) override { note("draw"); }
    void update(int milliseconds) override {
        note("update " + std::to_string(milliseconds));
        if (onUpdate) {
            auto hook = onUpdate;
            onUpdate = nullptr;
            hook();
        }
    }
    void releaseGraphics() override {}
    void restoreGraphics() override {}

    std::function<void()> onUpdate;
    std::function<void()> onInput;

private:
    void note(const std::string& what) { log_->push_back(name_ + ":" + what); }

    std::string name_;
    Log* log_;
};

class GameAppTest : public ::testing::Test {
protected:
    Log take() {
        Log out;
        out.swap(log);
        return out;
    }

    Log log;
    ProbeState a{"a", &log}, b{"b", &log}, c{"c", &log}, d{"d", &log};
    TestApp app;
};

TEST_F(GameAppTest, StackOperationsNotifyTheStates) {
    EXPECT_EQ(&app, gameApp());
    app.popState();
    app.changeState(&a);
    EXPECT_TRUE(take().empty());
    EXPECT_EQ(nullptr, app.topState());

    app.pushState(&a);
    app.pushState(&b);
    EXPECT_EQ((Log{"a:enter", "a:pause", "b:enter"}), take());
    EXPECT_EQ(&b, app.topState());

    app.popState();
    EXPECT_EQ((Log{"b:leave", "a:resume"}), take());

    app.changeState(&c);
    EXPECT_EQ((Log{"a:leave", "c:start", "c:enter"}), take());
    EXPECT_EQ((std::vector<GameState*>{&c}), app.getStates());

    app.startState(&d);
    EXPECT_EQ((Log{"d:start", "c:pause", "d:enter"}), take());
    EXPECT_EQ(&d, app.topState());
}

TEST_F(GameAppTest, EnabledStatesUpdateBottomUpWhileTheStackChanges) {
    app.pushState(&a);
    app.pushState(&b);
    app.pushState(&c);
    b.setEnabled(true);
    a.setEnabled(false);
    take();
    app.updateStates(16);
    EXPECT_EQ((Log{"b:update 16", "c:update 16"}), take());

    // The top pops itself: the walk ends with it.
    c.onUpdate = [&] { app.popState(); };
    app.updateStates(5);
    EXPECT_EQ((Log{"b:update 5", "c:update 5", "c:leave", "b:resume"}), take());

    // A pushed state lands above the walk and is updated in the same frame.
    b.onUpdate = [&] { app.pushState(&d); };
    app.updateStates(7);
    EXPECT_EQ((Log{"b:update 7", "b:pause", "d:enter", "d:update 7"}), take());

    // A state replaced below the walk's position waits for the next frame.
    d.onUpdate = [&] { app.changeState(&c); };
    app.updateStates(9);
    EXPECT_EQ((Log{"d:update 9", "d:leave", "c:start", "b:pause", "c:enter"}), take());
    app.updateStates(9);
    EXPECT_EQ((Log{"c:update 9"}), take());
}

TEST_F(GameAppTest, InputGoesTopDownToEnabledStatesAndEveryStateIsDrawn) {
    app.pushState(&a);
    app.pushState(&b);
    app.pushState(&c);
    a.setEnabled(true);
    take();
    app.deliverKey(KeyEvent());
    app.deliverMouse(MouseEvent());
    EXPECT_EQ((Log{"c:key", "a:key", "c:mouse", "a:mouse"}), take());

    app.drawStates(&app.graphics);
    EXPECT_EQ((Log{"a:draw", "b:draw", "c:draw"}), take());

    // The top leaving while it handles a key does not keep the key from the
    // states below it.
    c.onInput = [&] { app.popState(); };
    app.deliverKey(KeyEvent());
    EXPECT_EQ((Log{"c:key", "c:leave", "b:resume", "b:key", "a:key"}), take());
}

TEST_F(GameAppTest, DestroyingTheApplicationLeavesTheStatesTopDown) {
    {
        TestApp local;
        local.pushState(&a);
        local.pushState(&b);
        take();
    }
    EXPECT_EQ((Log{"b:leave", "a:leave"}), take());
}

}  // namespace
