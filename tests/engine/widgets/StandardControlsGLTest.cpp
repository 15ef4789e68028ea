#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "engine/config/Config.hpp"
#include "engine/render/GLTextureFactory.hpp"
#include "engine/render/PngWriter.hpp"
#include "engine/render/SDLImageGraphics.hpp"
#include "engine/render/Texture.hpp"
#include "engine/screens/ScreenBase.hpp"
#include "engine/text/AngelFont.hpp"
#include "engine/widgets/CheckBoxWidget.hpp"
#include "engine/widgets/CustomCheckBox.hpp"
#include "engine/widgets/CustomSliderWidget.hpp"
#include "engine/widgets/ImageWidget.hpp"
#include "engine/widgets/SimpleImageButton.hpp"
#include "engine/widgets/SimpleTextButton.hpp"
#include "engine/widgets/SimpleTextListWidget.hpp"
#include "engine/widgets/StaticImageButton.hpp"
#include "engine/widgets/TarvikButton.hpp"
#include "engine/widgets/TextInputWidget.hpp"
#include "engine/widgets/WidgetManager.hpp"
#include "support/GLWindow.hpp"
#include "support/TestApp.hpp"

namespace {

class ShowcaseScreen : public ScreenBase {
public:
    ShowcaseScreen() : ScreenBase("showcase") {}

protected:
    void build() override {}
    void onEnter() override {}
};

// Every standard control in each of its states on one 1024 x 768 screen,
// built from the default art and fonts as the game ships them.
class Showcase {
public:
    Showcase() : manager(&screen) {
        // Textures go into the window's context, so it must be open first.
        GLWindow::get();
        Config::instance().setContentFolder(CHRONA_CONTENT_DIR);
        background.reset(texture("content/images/menus/TitleBackground.png"));
        for (const char* name : {"menus/BtnN", "menus/BtnO", "menus/BtnP", "menus/BtnD", "widgets/CheckBoxOff",
                                 "widgets/CheckBoxOn", "widgets/CheckMark", "widgets/SliderTrack",
                                 "widgets/SliderKnob", "widgets/SliderKnobOver", "widgets/TextField",
                                 "widgets/ListFrame"}) {
            art.emplace_back(texture(std::string("content/images/") + name + ".png"));
        }
        fonts.emplace_back(new AngelFont(CHRONA_CONTENT_DIR "/fonts/TrajanPro18.fnt", &textures));
        fonts.emplace_back(new AngelFont(CHRONA_CONTENT_DIR "/fonts/Aldine18.fnt", &textures));
        fonts.emplace_back(new AngelFont(CHRONA_CONTENT_DIR "/fonts/TrajanPro14.fnt", &textures));
    }

    Texture* texture(const std::string& path) { return textures.load(path, nullptr, Texture::KeepAlphaMap); }
    Texture* image(int index) const { return art[static_cast<std::size_t>(index)].get(); }
    Font* buttonFont() const { return fonts[0].get(); }
    Font* textFont() const { return fonts[1].get(); }
    Font* smallFont() const { return fonts[2].get(); }

    template <typename W>
    W* add(W* widget, int x, int y) {
        widget->setPosition(x, y);
        widgets.emplace_back(widget);
        manager.add(widget);
        return widget;
    }
    void label(int x, int y, const std::string& text) { labels.push_back({x, y, text}); }

    void draw(Graphics& g) {
        g.drawImage(0, 0, background.get(), Color::white());
        g.fillRect(0, 0, 1024, 768, Color(20, 10, 6, 120));
        for (const auto& l : labels) {
            smallFont()->drawTextLine(&g, l.x, l.y, l.text, Color(243, 226, 184));
        }
        manager.draw(&g, &screen);
    }

    struct Label {
        int x;
        int y;
        std::string text;
    };

    TestApp app{1024, 768};
    GLTextureFactory textures;
    ShowcaseScreen screen;
    WidgetManager manager;
    std::unique_ptr<Texture> background;
    std::vector<std::unique_ptr<Texture>> art;
    std::vector<std::unique_ptr<Font>> fonts;
    std::vector<std::unique_ptr<Widget>> widgets;
    std::vector<Label> labels;
};

enum Art { BtnN, BtnO, BtnP, BtnD, BoxOff, BoxOn, Mark, Track, Knob, KnobOver, Field, Frame };

int brightness(const Color& c) {
    return c.r + c.g + c.b;
}

// Mean brightness of a block of the screen.
int meanBrightness(const SDLSurfaceImage& shot, int x, int y, int w, int h) {
    long sum = 0;
    for (int j = y; j < y + h; ++j) {
        for (int i = x; i < x + w; ++i) {
            sum += brightness(shot.getPixel(i, j));
        }
    }
    return static_cast<int>(sum / (w * h));
}

// Draws the showcase in window-sized tiles and stitches them into one screen.
std::unique_ptr<SDLSurfaceImage> photograph(Showcase& showcase) {
    return GLWindow::get().photograph(1024, 768, [&](Graphics& g) { showcase.draw(g); });
}

TEST(StandardControlsGL, EveryControlInEveryStateMakesOneInterface) {
    Showcase s;
    for (int i = 0; i <= Frame; ++i) {
        ASSERT_GT(s.image(i)->getWidth(), 0) << "art " << i;
    }
    ASSERT_GT(s.buttonFont()->getLineHeight(), 0);

    // Tarvik buttons: normal, pointer over with its tooltip, pressed, inactive, and half-way into a change.
    const char* captions[] = {"Play", "Options", "Credits", "Exit game", "Continue"};
    std::vector<TarvikButton*> buttons;
    for (int i = 0; i < 5; ++i) {
        TarvikButtonStyle style = TarvikButtonStyle::standard(s.image(BtnN), s.image(BtnO), s.buttonFont(),
                                                              captions[i], s.image(BtnP), s.image(BtnD));
        style.tooltipFont = s.smallFont();
        buttons.push_back(s.add(new TarvikButton(nullptr, i, style, i == 1 ? "Sound, music and screen" : ""),
                                40 + (i % 4) * 245, 60 + (i / 4) * 100));
    }
    s.label(40, 30, "TarvikButton: normal, over (tooltip), pressed, inactive; below: changing");
    s.manager.update(0, &s.screen);
    buttons[1]->onMouseEnter();
    buttons[2]->onMouseEnter();
    buttons[2]->onMousePress(MouseEvent());
    buttons[3]->deactivate();
    s.manager.update(1000, &s.screen);
    buttons[4]->onMouseEnter();
    s.manager.update(150, &s.screen);

    // Image buttons: normal, over, pressed.
    s.label(540, 138, "StaticImageButton: normal, over, pressed");
    for (int i = 0; i < 3; ++i) {
        auto* b = s.add(new StaticImageButton(nullptr, 10 + i, ButtonImages{s.image(BtnN), s.image(BtnO),
                                                                            s.image(BtnP)}),
                        285 + i * 245, 160);
        if (i > 0) {
            b->onMouseEnter();
        }
        if (i == 2) {
            b->onMousePress(MouseEvent());
        }
    }

    // Simple text and image buttons, plain and highlighted.
    s.label(40, 250, "Simple text and image buttons");
    s.add(new SimpleTextButton(nullptr, 20, s.buttonFont(), "Credits"), 40, 280);
    s.add(new SimpleTextButton(nullptr, 21, s.buttonFont(), "Credits"), 160, 280)->onMouseEnter();
    s.add(new SimpleImageButton(nullptr, 22, ButtonImages{s.image(Knob), s.image(KnobOver), nullptr}), 290, 280);
    s.add(new SimpleImageButton(nullptr, 23, ButtonImages{s.image(Knob), s.image(KnobOver), nullptr}), 340, 280)
        ->onMouseEnter();

    // Check boxes: off, on, and the whole-picture kind off, on and disabled.
    s.label(430, 250, "Check boxes: off, on; custom: off, on, disabled");
    s.add(new CheckBoxWidget(nullptr, 30, s.image(BoxOff), s.image(Mark)), 430, 278);
    s.add(new CheckBoxWidget(nullptr, 31, s.image(BoxOff), s.image(Mark)), 480, 278)->setChecked(true);
    s.add(new CustomCheckBox(nullptr, 32, s.image(BoxOff), s.image(BoxOn)), 560, 278);
    s.add(new CustomCheckBox(nullptr, 33, s.image(BoxOff), s.image(BoxOn)), 610, 278)->setChecked(true);
    auto* disabled = s.add(new CustomCheckBox(nullptr, 34, s.image(BoxOff), s.image(BoxOn)), 660, 278);
    disabled->setChecked(true);
    disabled->setEnabled(false);
    s.label(720, 286, "Full screen");

    // Sliders at 0, at the half with the pointer on the knob, and full.
    s.label(40, 345, "Sliders: 0, 0.5 with the pointer on the knob, 1");
    const IntRect track(0, 6, 220, 18);
    std::vector<CustomSliderWidget*> sliders;
    for (int i = 0; i < 3; ++i) {
        auto* slider = s.add(new CustomSliderWidget(nullptr, 40 + i, s.image(Knob), s.image(KnobOver), track,
                                                    -15, 0),
                             60 + i * 300, 380);
        slider->setGeometry(slider->getX(), slider->getY(), 240, 30);
        slider->setTrackImage(s.image(Track));
        slider->setValue(i * 0.5f);
        sliders.push_back(slider);
    }
    sliders[1]->onMouseEnter();

    // Text inputs: focused and empty, with a selection, read only.
    s.label(40, 440, "Text inputs");
    auto* empty = s.add(new TextInputWidget(nullptr, 50, s.textFont(), 260, 40), 40, 465);
    auto* selected = s.add(new TextInputWidget(nullptr, 51, s.textFont(), 260, 40), 40, 520);
    auto* fixed = s.add(new TextInputWidget(nullptr, 52, s.textFont(), 260, 40), 40, 575);
    for (auto* field : {empty, selected, fixed}) {
        field->setFrameImage(s.image(Field));
    }
    empty->setText("Anna");
    empty->onFocusGained();
    selected->setText("Wilhelmina");
    selected->onFocusGained();
    selected->onMousePress(MouseEvent());
    MouseEvent drag;
    drag.x = selected->getX() + 80;
    drag.buttons = MouseEvent::Left;
    selected->onMouseMove(drag);
    fixed->setText("Profile 1");
    fixed->setReadOnly(true);

    // The text list with its frame, scrolled, a row selected.
    s.label(370, 440, "Text list, scrolled, a row selected");
    auto* list = s.add(new SimpleTextListWidget(nullptr, 60, s.textFont(), 240, 176, 6), 370, 478);
    list->setFrameImage(s.image(Frame), -10, -12);
    list->setRows({"Anna", "Bram", "Cleo", "Dirk", "Emma", "Floor", "Gijs", "Hester", "Isolde", "Jonas"});
    list->scrollBy(1);
    list->setSelected(3);

    s.label(720, 440, "Image");
    s.add(new ImageWidget(s.image(BoxOn)), 720, 470);
    s.manager.update(16, &s.screen);

    const std::unique_ptr<SDLSurfaceImage> shot = photograph(s);
    const std::string dir = std::string(CHRONA_BINARY_DIR) + "/tmp";
    std::filesystem::create_directories(dir);
    ASSERT_TRUE(writePng(shot->getSurface(), dir + "/standard-controls.png"));

    // The lit button is brighter than the resting one, the inactive one darker.
    const int rest = meanBrightness(*shot, 60, 75, 180, 30);
    const int lit = meanBrightness(*shot, 60 + 245, 75, 180, 30);
    const int inactive = meanBrightness(*shot, 60 + 3 * 245, 75, 180, 30);
    EXPECT_GT(lit, rest + 20);
    EXPECT_NE(inactive, rest);
    // The checked box shows red ink where the unchecked one shows parchment.
    const Color off = shot->getPixel(430 + 17, 278 + 20);
    const Color on = shot->getPixel(480 + 15, 278 + 24);
    EXPECT_GT(brightness(off), 500);
    EXPECT_GT(on.r, on.g + 40);
    // The knob sits at the left end, the middle and the right end of its track.
    for (int i = 0; i < 3; ++i) {
        const int knobCentre = 60 + i * 300 + static_cast<int>(220 * i * 0.5f);
        const Color gem = shot->getPixel(knobCentre, 380 + 15);
        EXPECT_GT(gem.r, gem.g + 40) << "slider " << i;
    }
    // The tooltip's plate hangs below the lit button and goes with the pointer.
    const int withTooltip = meanBrightness(*shot, 300, 128, 190, 26);
    buttons[1]->onMouseLeave();
    const std::unique_ptr<SDLSurfaceImage> after = photograph(s);
    EXPECT_GT(std::abs(withTooltip - meanBrightness(*after, 300, 128, 190, 26)), 30);
}

}  // namespace
