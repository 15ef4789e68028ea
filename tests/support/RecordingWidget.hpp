#pragma once

#include <functional>
#include <string>
#include <vector>

#include "engine/render/Graphics.hpp"
#include "engine/widgets/Widget.hpp"

// A widget that writes "name:event" for every notification into a shared log
// and keeps the last mouse event, so tests can check routing and order. Its
// draw fills its own rectangle in its colour. onPress, when set, runs inside
// onMousePress (to act from within a callback); deleted, when set, is raised
// by the destructor.
class RecordingWidget : public Widget {
public:
    RecordingWidget(std::string name, std::vector<std::string>* log, int x = 0, int y = 0, int z = 0,
                    int width = 100, int height = 100)
        : name_(std::move(name)), log_(log) {
        setBounds(WidgetBounds(x, y, z, width, height));
    }
    ~RecordingWidget() override {
        if (deleted != nullptr) {
            *deleted = true;
        }
    }

    void update(int milliseconds, ScreenBase* /*screen*/) override {
        note("update " + std::to_string(milliseconds));
        if (onUpdate) {
            onUpdate();
        }
    }
    void draw(Graphics* graphics, ScreenBase* /*screen*/) override {
        note("draw");
        graphics->fillRect(0, 0, getWidth(), getHeight(), color);
        if (onDraw) {
            onDraw();
        }
    }
    void drawOverlay(Graphics* /*graphics*/, ScreenBase* /*screen*/) override { note("overlay"); }
    void onMousePress(const MouseEvent& event) override {
        lastEvent = event;
        note("press");
        if (onPress) {
            onPress();
        }
    }
    void onMouseMove(const MouseEvent& event) override {
        lastEvent = event;
        note("move");
    }
    void onMouseRelease(const MouseEvent& event) override {
        lastEvent = event;
        note("release");
    }
    void onKeyEvent(const KeyEvent& event) override { note("key " + std::to_string(event.key)); }
    void onMouseLeave() override { note("leave"); }
    void onMouseEnter() override { note("enter"); }
    void onFocusGained() override { note("focus"); }
    void onFocusLost() override { note("unfocus"); }
    void onAttached() override { note("attached"); }
    void onDetached() override { note("detached"); }

    MouseEvent lastEvent;
    Color color = Color::white();
    std::function<void()> onPress;
    std::function<void()> onUpdate;
    std::function<void()> onDraw;
    bool* deleted = nullptr;

private:
    void note(const std::string& what) {
        if (log_ != nullptr) {
            log_->push_back(name_ + ":" + what);
        }
    }

    std::string name_;
    std::vector<std::string>* log_;
};
