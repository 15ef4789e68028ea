#include "engine/render/ImageGraphics.hpp"
#include "engine/widgets/TextLabel.hpp"
#include "engine/resources/ResourceManager.hpp"
#include "game/menus/InGameMenu.hpp"
#include "game/menus/MainMenu.hpp"
#include "game/menus/NewQuitDialogScreen.hpp"
#include "game/menus/OptionsMenu.hpp"
#include "game/persistence/screens/PlayerNameEntry.hpp"
#include "game/persistence/screens/PlayerProfilesMenu.hpp"
#include "tests/game/menus/MenuGLFixture.hpp"

namespace {

// The menus drawn from the shipped art, fonts and labels in a real OpenGL
// context (photographs under build/tmp/menus-NAME.png).
class MenusGLTest : public MenuGLFixture {
protected:
    MenusGLTest() : MenuGLFixture("menus-") {}
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
