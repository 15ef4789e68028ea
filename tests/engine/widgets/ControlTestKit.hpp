#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/core/RandomSource.hpp"
#include "engine/audio/catalogue/SfxContainer.hpp"
#include "engine/audio/Sound.hpp"
#include "engine/config/Config.hpp"
#include "engine/render/MinimalSurfaceImage.hpp"
#include "engine/screens/ScreenBase.hpp"
#include "engine/text/Font.hpp"
#include "engine/widgets/ImageWidget.hpp"
#include "engine/widgets/InterfaceSound.hpp"
#include "support/LoggedSound.hpp"
#include "engine/widgets/WidgetManager.hpp"
#include "support/FakeTexture.hpp"
#include "support/MouseEvents.hpp"
#include "support/TestApp.hpp"

// What the control tests share: a real widget manager on an idle screen, mouse
// and key events, a sound catalogue whose sounds write their names into a log,
// a fixed-pitch font and textures with alpha maps.
namespace controls {

class IdleScreen : public ScreenBase {
public:
    IdleScreen() : ScreenBase("controls") {}

protected:
    void build() override {}
    void onEnter() override {}
};

// Every glyph is 8 pixels wide and a line 16 high; drawn lines are logged.
class FixedFont : public Font {
public:
    static constexpr int Advance = 8;
    static constexpr int Line = 16;

    void load() override {}
    int textWidth(const std::string& text) const override { return Advance * static_cast<int>(text.size()); }
    int getLineHeight() const override { return Line; }
    void drawTextLine(ImageGraphics*, int, int, const std::string&, bool) override {}
    void drawTextLine(Graphics*, int x, int y, const std::string& text, const Color& color) override {
        lines.push_back({x, y, text, color});
    }
    void restorePages() override {}
    void releasePages() override {}

    struct DrawnLine {
        int x;
        int y;
        std::string text;
        Color color;
    };
    std::vector<DrawnLine> lines;
};

// A w x h texture whose alpha map is opaque only inside the given rectangle.
inline FakeTexture* maskedTexture(int w, int h, int ox, int oy, int ow, int oh) {
    struct Masked : FakeTexture {
        Masked(int w, int h, Image* alpha) : FakeTexture(w, h, w, h) { image_ = alpha; }
    };
    std::unique_ptr<std::uint8_t[]> alpha(new std::uint8_t[static_cast<std::size_t>(w) * h]());
    for (int y = oy; y < oy + oh; ++y) {
        for (int x = ox; x < ox + ow; ++x) {
            alpha[static_cast<std::size_t>(y) * w + x] = 255;
        }
    }
    return new Masked(w, h, new MinimalSurfaceImage(w, h, std::move(alpha)));
}

class ControlTest : public ::testing::Test {
protected:
    ControlTest()
        : sfx(random, [this](const std::string& path) { return std::make_unique<LoggedSound>(path, sounds); }) {
        for (const char* name :
             {"BUTTON_PRESS", "BUTTON_OVER", "CHECKBOX_CHECK", "CHECKBOX_UNCHECK", "TEXT_INPUT"}) {
            sfx.registerFile(name, name);
        }
        InterfaceSound::route(&sfx);
        Config::reset();
        app.setLastMousePosition(Point(-1000, -1000));
        manager = std::make_unique<WidgetManager>(&screen);
    }
    ~ControlTest() override { InterfaceSound::route(nullptr); }

    void press(int x, int y, int buttons = MouseEvent::Left) {
        manager->onMouseEvent(mouseEvent(MouseEvent::Press, x, y, buttons));
    }
    void release(int x, int y, int buttons = MouseEvent::Left) {
        manager->onMouseEvent(mouseEvent(MouseEvent::Release, x, y, buttons));
    }
    void move(int x, int y, int buttons = 0) { manager->onMouseEvent(mouseEvent(MouseEvent::Move, x, y, buttons)); }
    void key(int code, char character = 0) {
        KeyEvent event;
        event.key = code;
        event.character = character;
        event.unicode = static_cast<unsigned char>(character);
        manager->onKeyEvent(event);
    }
    void type(const std::string& text) {
        for (char c : text) {
            key(static_cast<unsigned char>(c), c);
        }
    }
    void frame(int milliseconds) { manager->update(milliseconds, &screen); }
    std::vector<std::string> takeSounds() {
        std::vector<std::string> out;
        out.swap(sounds);
        return out;
    }

    TestApp app;
    IdleScreen screen;
    SeededRandom random{1};
    std::vector<std::string> sounds;
    SfxContainer sfx;
    std::unique_ptr<WidgetManager> manager;
};

using Sounds = std::vector<std::string>;

// Controls on a full-screen picture, as on a real screen.
class PlacedControlTest : public ControlTest {
protected:
    PlacedControlTest() {
        background.setGeometry(0, 0, 1024, 768);
        manager->add(&background);
    }
    // Adds the widget above the background and lets the list settle.
    void place(Widget& widget, int x, int y) {
        widget.setPosition(x, y);
        manager->add(&widget);
        frame(0);
    }

    ImageWidget background;
};

}  // namespace controls
