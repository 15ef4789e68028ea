#include <filesystem>

#include "engine/render/GLTextureFactory.hpp"
#include "engine/render/ImageGraphics.hpp"
#include "engine/widgets/TextLabel.hpp"
#include "engine/render/PngWriter.hpp"
#include "engine/render/SDLSurfaceImage.hpp"
#include "engine/resources/ResourceManager.hpp"
#include "game/app/SharedResources.hpp"
#include "game/menus/InGameMenu.hpp"
#include "game/menus/MainMenu.hpp"
#include "game/menus/NewQuitDialogScreen.hpp"
#include "game/menus/OptionsMenu.hpp"
#include "game/persistence/screens/PlayerNameEntry.hpp"
#include "game/persistence/screens/PlayerProfilesMenu.hpp"
#include "support/GLWindow.hpp"
#include "tests/game/menus/MenuFixture.hpp"

namespace {

// The menus drawn from the shipped art, fonts and labels in a real OpenGL
// context; each state is photographed in window-sized tiles (the screens
// draw from an identity matrix, so each tile moves them by their offsets).
class MenusGLTest : public MenuFixture {
protected:
    void SetUp() override {
        MenuFixture::SetUp();
        GLWindow::get();
        services_.textureSource = &textures_;
        SharedResources::instance().preload(*app_->getResourceManager(), textures_);
    }
    void TearDown() override {
        MenuFixture::TearDown();
        SharedResources::reset();
    }

    std::unique_ptr<SDLSurfaceImage> shoot(const std::string& name) {
        GLWindow& window = GLWindow::get();
        auto shot = std::make_unique<SDLSurfaceImage>(1024, 768);
        const Rect whole(0, 0, static_cast<float>(GLWindow::Width), static_cast<float>(GLWindow::Height));
        for (int ty = 0; ty < 768; ty += GLWindow::Height) {
            for (int tx = 0; tx < 1024; tx += GLWindow::Width) {
                for (GameState* state : app_->getStates()) {
                    static_cast<ScreenBase*>(state)->setOffsets(-tx, -ty);
                }
                window.beginFrame();
                app_->drawStates(&window.graphics());
                const std::unique_ptr<SDLSurfaceImage> tile = window.readFrame();
                shot->graphics()->drawImage(tx, ty, tile.get(), whole, false);
            }
        }
        for (GameState* state : app_->getStates()) {
            static_cast<ScreenBase*>(state)->setOffsets(0, 0);
        }
        const std::string dir = std::string(CHRONA_BINARY_DIR) + "/tmp";
        std::filesystem::create_directories(dir);
        writePng(shot->getSurface(), dir + "/menus-" + name + ".png");
        return shot;
    }
    static int brightness(const SDLSurfaceImage& shot, int x, int y) {
        const Color c = shot.getPixel(x, y);
        return c.r + c.g + c.b;
    }

    GLTextureFactory textures_;
};

TEST_F(MenusGLTest, EveryMenuIsDrawnFromItsArt) {
    addProfile("Ada");
    PlayerProfile& bo = addProfile("Bo");
    bo.currentSession = 1;
    MainMenu* menu = push(new MainMenu());
    frames(8);
    const auto bare = shoot("main");
    // The painted backdrop, the column of gilded buttons and the greeting.
    EXPECT_GT(brightness(*bare, 100, 100), 150) << "the warm sky of long ago";
    const Color button = bare->getPixel(512, 300);
    EXPECT_GT(button.r, button.b + 20) << "a gilded or leather button at the column";
    EXPECT_EQ(menu->getNameLabel()->getText(), "Bo");

    auto dialogCentreChanged = [&](const SDLSurfaceImage& shot, int x, int y) {
        const Color a = shot.getPixel(x, y);
        const Color b = bare->getPixel(x, y);
        return std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b) > 40;
    };

    PlayerProfilesMenu* profiles = push(new PlayerProfilesMenu());
    frames(8);
    ASSERT_EQ(profiles->getState(), AnimatedDialogScreen::Open);
    EXPECT_TRUE(dialogCentreChanged(*shoot("profiles"), 320, 600));

    push(new PlayerNameEntry(false, std::string(), profiles));
    frames(8);
    type("Clara");
    frames(4);
    EXPECT_TRUE(dialogCentreChanged(*shoot("name-entry"), 330, 400));
    app_->popState();
    app_->popState();

    push(new OptionsMenu());
    frames(8);
    EXPECT_TRUE(dialogCentreChanged(*shoot("options"), 300, 500));
    app_->popState();

    push(new InGameMenu(nullptr));
    frames(8);
    EXPECT_TRUE(dialogCentreChanged(*shoot("in-game"), 380, 420));
    app_->popState();

    push(new NewQuitDialogScreen(nullptr));
    frames(8);
    EXPECT_TRUE(dialogCentreChanged(*shoot("quit"), 380, 420));
}

}  // namespace
