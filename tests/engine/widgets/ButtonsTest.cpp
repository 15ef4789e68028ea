#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

#include "engine/widgets/ButtonTooltip.hpp"
#include "engine/widgets/SimpleButtonListener.hpp"
#include "engine/widgets/SimpleImageButton.hpp"
#include "engine/widgets/SimpleTextButton.hpp"
#include "engine/widgets/StaticImageButton.hpp"
#include "engine/widgets/TarvikButton.hpp"
#include "engine/widgets/TarvikButtonListener.hpp"
#include "support/RecordingWidget.hpp"
#include "tests/engine/widgets/ControlTestKit.hpp"

namespace {

using namespace controls;
using Codes = std::vector<std::pair<int, int>>;

struct CodeLog : TarvikButtonListener, SimpleButtonListener {
    void onTarvikButton(int id, int code) override { codes.emplace_back(id, code); }
    void onSimpleButton(int id, int code) override { codes.emplace_back(id, code); }
    Codes take() {
        Codes out;
        out.swap(codes);
        return out;
    }
    Codes codes;
};

class ButtonTest : public PlacedControlTest {
protected:
    std::vector<const Texture*> drawnImages() const {
        std::vector<const Texture*> out;
        for (const auto& call : app.graphics.callsOf("drawImage")) {
            out.push_back(call.texture);
        }
        return out;
    }

    CodeLog log;
    FakeTexture normal{200, 50, 256, 64};
    FakeTexture over{200, 50, 256, 64};
    FakeTexture down{200, 50, 256, 64};
};

TEST_F(ButtonTest, TarvikButtonReportsEveryCodeAndPlaysItsSounds) {
    TarvikButton button(&log, 7, TarvikButtonStyle::standard(&normal, &over, nullptr, ""));
    EXPECT_EQ(200, button.getWidth());
    EXPECT_EQ(50, button.getHeight());
    place(button, 100, 100);

    move(150, 120);
    EXPECT_EQ((Codes{{7, 2}}), log.take());
    EXPECT_EQ((Sounds{"BUTTON_OVER"}), takeSounds());
    EXPECT_EQ(TarvikButtonStyle::Over, button.getAppearance());

    press(150, 120);
    EXPECT_EQ((Codes{{7, 0}}), log.take());
    EXPECT_EQ((Sounds{"BUTTON_PRESS"}), takeSounds());
    EXPECT_EQ(TarvikButtonStyle::Pressed, button.getAppearance());

    release(152, 121);
    EXPECT_EQ((Codes{{7, 1}}), log.take());
    EXPECT_EQ(TarvikButtonStyle::Over, button.getAppearance());

    move(600, 600);
    EXPECT_EQ((Codes{{7, 3}}), log.take());
    EXPECT_EQ(TarvikButtonStyle::Normal, button.getAppearance());
    EXPECT_TRUE(takeSounds().empty());

    // Pressed, dragged off with the button held and released outside: the
    // release reaches the button but is no click.
    move(150, 120);
    press(150, 120);
    log.take();
    move(600, 600, MouseEvent::Left);
    EXPECT_EQ(&button, manager->getHovered());
    EXPECT_EQ(TarvikButtonStyle::Normal, button.getAppearance());
    release(600, 600);
    for (const auto& entry : log.take()) {
        EXPECT_EQ(3, entry.second);
    }
    EXPECT_FALSE(button.isPressed());

    // A press that began elsewhere and is released over the button is no click either.
    press(600, 600);
    move(150, 120, MouseEvent::Left);
    release(150, 120);
    move(151, 120);
    for (const auto& entry : log.take()) {
        EXPECT_NE(1, entry.second);
    }

    // The sounds can be renamed and a button without a listener still sounds.
    TarvikButton silent(nullptr, 1, TarvikButtonStyle::standard(&normal, &over, nullptr, ""));
    silent.setOverSound("HINT_OVER");
    sfx.registerFile("HINT_OVER", "HINT_OVER");
    place(silent, 400, 400);
    takeSounds();
    move(410, 410);
    press(410, 410);
    EXPECT_EQ((Sounds{"HINT_OVER"}), takeSounds());
}

TEST_F(ButtonTest, InactiveTarvikButtonLooksInactiveAndOnlyReportsHover) {
    TarvikButton button(&log, 3, TarvikButtonStyle::standard(&normal, &over, nullptr, ""));
    place(button, 100, 100);
    button.deactivate();
    EXPECT_EQ(TarvikButtonStyle::Inactive, button.getAppearance());
    EXPECT_FALSE(button.isActive());

    move(150, 120);
    press(150, 120);
    release(150, 120);
    move(600, 600);
    EXPECT_EQ((Codes{{3, 2}, {3, 3}}), log.take());
    EXPECT_EQ((Sounds{"BUTTON_OVER"}), takeSounds());
    EXPECT_EQ(TarvikButtonStyle::Inactive, button.getAppearance());

    button.activate();
    EXPECT_EQ(TarvikButtonStyle::Normal, button.getAppearance());
    move(150, 120);
    press(150, 120);
    EXPECT_EQ((Codes{{3, 2}, {3, 0}}), log.take());
}

TEST_F(ButtonTest, TarvikButtonGlidesBetweenAppearances) {
    TarvikButtonStyle style = TarvikButtonStyle::standard(&normal, &over, nullptr, "");
    style.changeDuration = 300;
    TarvikButton button(&log, 1, style);
    place(button, 100, 100);

    move(150, 120);
    EXPECT_EQ(TarvikButtonStyle::Over, button.getAppearance());
    EXPECT_EQ(TarvikButtonStyle::Normal, button.getPreviousAppearance());
    EXPECT_FLOAT_EQ(0.0f, button.getChangeProgress());

    frame(150);
    EXPECT_NEAR(0.5f, button.getChangeProgress(), 0.02f);
    const TarvikButtonAppearance half = button.currentLook();
    EXPECT_GT(half.scale, 1.0f);
    EXPECT_LT(half.scale, style.appearances[TarvikButtonStyle::Over].scale);

    // Half-way the old picture is drawn whole and the new one half faded over it.
    app.graphics.calls.clear();
    manager->draw(&app.graphics, &screen);
    const auto images = app.graphics.callsOf("drawImage");
    ASSERT_EQ(2u, images.size());
    EXPECT_EQ(&normal, images[0].texture);
    EXPECT_EQ(255, images[0].color.a);
    EXPECT_EQ(&over, images[1].texture);
    EXPECT_NEAR(127, images[1].color.a, 6);

    frame(150);
    frame(16);
    EXPECT_FLOAT_EQ(1.0f, button.getChangeProgress());
    EXPECT_EQ(TarvikButtonStyle::Over, button.getPreviousAppearance());
    app.graphics.calls.clear();
    manager->draw(&app.graphics, &screen);
    EXPECT_EQ((std::vector<const Texture*>{&over}), drawnImages());

    // Coming back a third of the way into a change runs it back from there.
    move(600, 600);
    frame(100);
    EXPECT_NEAR(1.0f / 3.0f, button.getChangeProgress(), 0.02f);
    move(150, 120);
    EXPECT_EQ(TarvikButtonStyle::Over, button.getAppearance());
    EXPECT_EQ(TarvikButtonStyle::Normal, button.getPreviousAppearance());
    EXPECT_NEAR(2.0f / 3.0f, button.getChangeProgress(), 0.02f);
    frame(100);
    EXPECT_FLOAT_EQ(1.0f, button.getChangeProgress());
    EXPECT_EQ(TarvikButtonStyle::Over, button.getPreviousAppearance());

    // Two identical appearances change at once.
    TarvikButtonStyle flat = style;
    flat.appearances[TarvikButtonStyle::Over] = flat.appearances[TarvikButtonStyle::Normal];
    TarvikButton plain(&log, 2, flat);
    place(plain, 400, 400);
    move(410, 410);
    EXPECT_EQ(TarvikButtonStyle::Over, plain.getAppearance());
    EXPECT_FLOAT_EQ(1.0f, plain.getChangeProgress());
    EXPECT_EQ(TarvikButtonStyle::Over, plain.getPreviousAppearance());
}

TEST_F(ButtonTest, TarvikButtonHitMaskTooltipAndOverlay) {
    std::unique_ptr<FakeTexture> mask(maskedTexture(200, 50, 20, 10, 160, 30));
    TarvikButtonStyle style = TarvikButtonStyle::standard(&normal, &over, nullptr, "");
    style.hitMask = mask.get();
    FixedFont font;
    style.tooltipFont = &font;
    TarvikButton button(&log, 1, style, "Shows a hint");
    place(button, 100, 100);
    EXPECT_NE(&button, manager->widgetAt(105, 105));
    EXPECT_EQ(&button, manager->widgetAt(130, 115));
    EXPECT_NE(&button, manager->widgetAt(290, 145));

    move(150, 120);
    ASSERT_NE(nullptr, button.getTooltip());
    EXPECT_FALSE(button.getTooltip()->isShown());
    manager->draw(&app.graphics, &screen);
    EXPECT_TRUE(font.lines.empty());
    frame(ButtonTooltip::ShowDelay + ButtonTooltip::FadeTime + 10);
    EXPECT_EQ(255, button.getTooltip()->alpha());

    std::vector<std::string> drawLog;
    RecordingWidget above("above", &drawLog, 0, 0, 0, 10, 10);
    manager->add(&above);
    frame(0);
    app.graphics.calls.clear();
    manager->draw(&app.graphics, &screen);
    ASSERT_EQ(1u, font.lines.size());
    EXPECT_EQ("Shows a hint", font.lines[0].text);
    // The widget above the button is drawn first, the tooltip's plate after it.
    const auto fills = app.graphics.callsOf("fillRect");
    ASSERT_GE(fills.size(), 3u);
    EXPECT_EQ((std::vector<float>{0, 0, 10, 10}), fills[0].args);

    move(600, 600);
    EXPECT_EQ(nullptr, button.getTooltip());

    // An overlay button is drawn after the widget above it.
    auto imageBeforeFill = [&] {
        app.graphics.calls.clear();
        manager->draw(&app.graphics, &screen);
        const auto ops = app.graphics.ops();
        return std::find(ops.begin(), ops.end(), "drawImage") < std::find(ops.begin(), ops.end(), "fillRect");
    };
    EXPECT_TRUE(imageBeforeFill());
    button.setOverlayOrder(1);
    EXPECT_FALSE(imageBeforeFill());
    manager->remove(&above);
}

TEST_F(ButtonTest, StaticImageButtonFollowsPointerAndPixels) {
    std::unique_ptr<FakeTexture> shaped(maskedTexture(60, 40, 10, 0, 40, 40));
    StaticImageButton button(&log, 4, ButtonImages{shaped.get(), &over, &down});
    place(button, 100, 100);
    EXPECT_EQ(&button, manager->widgetAt(120, 120));
    EXPECT_NE(&button, manager->widgetAt(105, 120));

    move(120, 120);
    EXPECT_EQ(&over, button.getCurrentImage());
    EXPECT_EQ((Sounds{"BUTTON_OVER"}), takeSounds());
    press(120, 120);
    EXPECT_EQ(&down, button.getCurrentImage());
    EXPECT_EQ((Sounds{"BUTTON_PRESS"}), takeSounds());
    release(120, 120);
    EXPECT_EQ(&over, button.getCurrentImage());
    EXPECT_EQ((Codes{{4, 0}, {4, 1}}), log.take());

    press(120, 120);
    move(600, 600, MouseEvent::Left);
    EXPECT_EQ(shaped.get(), button.getCurrentImage());
    release(600, 600);
    EXPECT_EQ((Codes{{4, 0}}), log.take());
    EXPECT_FALSE(button.isPressed());

    // Whole-rectangle hits and invisibility.
    StaticImageButton whole(&log, 5, ButtonImages{shaped.get(), nullptr, nullptr}, true);
    place(whole, 300, 300);
    EXPECT_EQ(&whole, manager->widgetAt(302, 302));
    whole.setVisible(false);
    EXPECT_NE(&whole, manager->widgetAt(320, 320));

    // With the catalogue off the fallback sound plays, without one nothing.
    sfx.setEnabled(false);
    takeSounds();
    move(120, 120);
    EXPECT_TRUE(takeSounds().empty());
    std::vector<std::string> fallbackLog;
    LoggedSound fallback("FALLBACK", fallbackLog);
    button.setFallbackSound(&fallback);
    press(120, 120);
    EXPECT_EQ((Sounds{"FALLBACK"}), fallbackLog);
    EXPECT_TRUE(takeSounds().empty());

    button.deactivate();
    EXPECT_EQ(shaped.get(), button.getCurrentImage());
    EXPECT_FALSE(button.isPressed());
    EXPECT_FALSE(button.isPointerOver());
}

TEST_F(ButtonTest, SimpleButtonsReactToTheLeftButtonAndKeepPressAcrossLeave) {
    FixedFont font;
    SimpleTextButton text(&log, 9, &font, "Credits");
    EXPECT_EQ(7 * FixedFont::Advance, text.getWidth());
    place(text, 100, 100);

    move(110, 105);
    EXPECT_TRUE(text.isHighlighted());
    EXPECT_EQ((Sounds{"BUTTON_OVER"}), takeSounds());
    manager->draw(&app.graphics, &screen);
    ASSERT_FALSE(font.lines.empty());
    const Color highlighted = font.lines.back().color;

    press(110, 105, MouseEvent::Right);
    release(110, 105, MouseEvent::Right);
    EXPECT_TRUE(log.take().empty());
    EXPECT_TRUE(takeSounds().empty());

    press(110, 105);
    EXPECT_TRUE(text.isPressed());
    move(600, 600, MouseEvent::Left);
    EXPECT_FALSE(text.isPressed());
    EXPECT_FALSE(text.isHighlighted());
    move(112, 105, MouseEvent::Left);
    EXPECT_TRUE(text.isPressed());
    release(112, 105);
    EXPECT_EQ((Codes{{9, 0}, {9, 1}}), log.take());
    // A release without a press still counts as a click.
    release(112, 105);
    EXPECT_EQ((Codes{{9, 1}}), log.take());

    move(600, 600);
    font.lines.clear();
    manager->draw(&app.graphics, &screen);
    EXPECT_NE(highlighted, font.lines.back().color);

    SimpleImageButton image(&log, 10, ButtonImages{&normal, &over, &down});
    place(image, 300, 300);
    EXPECT_EQ(200, image.getWidth());
    auto shown = [&] {
        app.graphics.calls.clear();
        image.draw(&app.graphics, &screen);
        return drawnImages();
    };
    EXPECT_EQ((std::vector<const Texture*>{&normal}), shown());
    move(310, 310);
    EXPECT_EQ((std::vector<const Texture*>{&over}), shown());
    press(310, 310);
    EXPECT_EQ((std::vector<const Texture*>{&down}), shown());
    release(310, 310);
    EXPECT_EQ((Codes{{10, 0}, {10, 1}}), log.take());
}

}  // namespace
