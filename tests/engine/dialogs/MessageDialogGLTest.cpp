#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/config/Config.hpp"
#include "engine/core/ContentPath.hpp"
#include "engine/render/GLTextureFactory.hpp"
#include "engine/render/PngWriter.hpp"
#include "engine/render/SDLImageGraphics.hpp"
#include "engine/render/Texture.hpp"
#include "engine/screens/ScreenBase.hpp"
#include "engine/text/AngelFont.hpp"
#include "engine/dialogs/MessageQuestionDialog.hpp"
#include "engine/dialogs/NewMessageQuestionDialogListener.hpp"
#include "engine/widgets/WidgetManager.hpp"
#include "support/GLWindow.hpp"
#include "support/TestApp.hpp"

namespace {

class TitleScreen : public ScreenBase {
public:
    TitleScreen() : ScreenBase("title") {}

protected:
    void build() override {}
    void onEnter() override {}
};

class Answers : public NewMessageQuestionDialogListener {
public:
    void onDialogAnswer(int, int answer) override { answers.push_back(answer); }
    std::vector<int> answers;
};

int brightness(const Color& c) {
    return c.r + c.g + c.b;
}

// Draws the screen (the title picture under its widgets) in window-sized
// tiles and stitches them into one 1024 x 768 picture.
std::unique_ptr<SDLSurfaceImage> photograph(Texture* backdrop, TitleScreen& screen) {
    return GLWindow::get().photograph(1024, 768, [&](Graphics& g) {
        g.drawImage(0, 0, backdrop, Color::white());
        screen.getWidgetManager()->draw(&g, &screen);
    });
}

void save(const SDLSurfaceImage& shot, const std::string& name) {
    writePng(shot.getSurface(), std::string(CHRONA_BINARY_DIR) + "/tmp/" + name);
}

}  // namespace

// A question dialog opening over the title picture, fully open, and closing,
// drawn from the shipped frame art, button pictures and fonts.
TEST(MessageDialogGL, QuestionOpensOverTheTitleAndShowsItsTexts) {
    TestApp app(1024, 768);
    GLWindow::get();
    Config::instance().setContentFolder(CHRONA_CONTENT_DIR);
    GLTextureFactory textures;
    auto texture = [&](const char* path) {
        return std::unique_ptr<Texture>(textures.load(path, nullptr, Texture::KeepAlphaMap));
    };
    const std::unique_ptr<Texture> backdrop = texture("content/images/menus/TitleBackground.png");
    const std::unique_ptr<Texture> button = texture("content/images/menus/BtnN.png");
    const std::unique_ptr<Texture> buttonOver = texture("content/images/menus/BtnO.png");
    AngelFont captionFont(CHRONA_CONTENT_DIR "/fonts/TrajanPro22.fnt", &textures);
    AngelFont messageFont(CHRONA_CONTENT_DIR "/fonts/Aldine18.fnt", &textures);
    AngelFont buttonFont(CHRONA_CONTENT_DIR "/fonts/TrajanPro18.fnt", &textures);
    ASSERT_GT(backdrop->getWidth(), 0);
    ASSERT_GT(button->getWidth(), 0);
    ASSERT_GT(captionFont.getLineHeight(), 0);

    MessageDialogDescription d;
    d.openingAnimation = ContentPath::resolve(d.openingAnimation);
    d.closingAnimation = ContentPath::resolve(d.closingAnimation);
    d.caption = "Leave the game?";
    d.message = "Your progress in this scene will be kept. Do you really want to return to the main menu?";
    d.buttonTexts = {"No", "Yes"};
    d.captionFont = &captionFont;
    d.messageFont = &messageFont;
    d.buttonFont = &buttonFont;
    d.buttonImage = button.get();
    d.buttonOverImage = buttonOver.get();
    d.centreOn(1024, 768);

    TitleScreen screen;
    Answers answers;
    auto* dialog = new MessageQuestionDialog(d, &answers, 1);
    screen.addWidget(dialog);

    const int centreY = d.y + d.height / 2;
    const std::unique_ptr<SDLSurfaceImage> start = photograph(backdrop.get(), screen);
    save(*start, "dialog-open-0ms.png");

    screen.update(120);
    save(*photograph(backdrop.get(), screen), "dialog-open-120ms.png");
    screen.update(120);
    save(*photograph(backdrop.get(), screen), "dialog-open-240ms.png");
    for (int i = 0; i < 4; ++i) {
        screen.update(50);
    }
    ASSERT_EQ(dialog->getState(), AnimatedDialog::Shown);
    screen.update(16);
    const std::unique_ptr<SDLSurfaceImage> open = photograph(backdrop.get(), screen);
    save(*open, "dialog-open.png");

    // Fully open: warm parchment in the middle, a dimmed title around it.
    const Color parchment = open->getPixel(d.x + 40, centreY + 60);
    EXPECT_GT(parchment.r, 200);
    EXPECT_GT(parchment.r, parchment.b + 30) << "warm, not grey";
    EXPECT_LT(brightness(open->getPixel(150, 380)), brightness(start->getPixel(150, 380)) - 60)
        << "the backdrop is dimmed once open";
    // The caption and the message are written in dark ink on the parchment.
    int ink = 0;
    for (int x = d.x + 60; x < d.x + d.width - 60; ++x) {
        for (int y = d.y + d.captionY; y < d.y + d.captionY + 30; ++y) {
            ink += brightness(open->getPixel(x, y)) < 300 ? 1 : 0;
        }
    }
    EXPECT_GT(ink, 100) << "caption drawn";
    // Before the opening animation the middle still shows the title picture.
    EXPECT_LT(brightness(start->getPixel(d.x + 40, centreY + 60)), brightness(parchment) - 150);

    dialog->dismiss();
    screen.update(150);
    save(*photograph(backdrop.get(), screen), "dialog-close-150ms.png");
    for (int i = 0; i < 4; ++i) {
        screen.update(50);
    }
    EXPECT_EQ(answers.answers, std::vector<int>({-1}));
}
