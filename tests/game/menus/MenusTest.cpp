#include <SDL/SDL_keysym.h>

#include "engine/persistence/GenericEntry.hpp"
#include "engine/widgets/CustomCheckBox.hpp"
#include "engine/widgets/CustomSliderWidget.hpp"
#include "engine/widgets/TextLabel.hpp"
#include "game/menus/InGameMenu.hpp"
#include "game/menus/InGameMenuListener.hpp"
#include "game/menus/MainMenu.hpp"
#include "game/menus/MenuLook.hpp"
#include "game/menus/NewQuitDialogScreen.hpp"
#include "game/menus/OptionsMenu.hpp"
#include "game/scene/data/SceneIndex.hpp"
#include "game/story/flow/ResultCodes.hpp"
#include "game/story/map/MapPins.hpp"
#include "support/TempFolder.hpp"
#include "tests/game/menus/MenuFixture.hpp"

namespace {

class MenusTest : public MenuFixture {
protected:
    template <typename T>
    T setting(const char* name) {
        return dynamic_cast<GenericEntry<T>*>(store_->findEntry(name))->value;
    }
    template <typename T>
    void setSetting(const char* name, T value) {
        dynamic_cast<GenericEntry<T>*>(store_->findEntry(name))->value = value;
    }
    // Opens the options dialog alone on the stack, shown with its controls.
    OptionsMenu* openOptions() {
        OptionsMenu* options = push(new OptionsMenu());
        frames(6);
        EXPECT_EQ(options->getState(), AnimatedDialogScreen::Open);
        return options;
    }
    void drag(const CustomSliderWidget* slider, int dx) {
        const int y = slider->getY() + 5;
        mouse(MouseEvent::Move, slider->getX() + 5, y);
        mouse(MouseEvent::Press, slider->getX() + 5, y, MouseEvent::Left);
        mouse(MouseEvent::Move, slider->getX() + dx, y, MouseEvent::Left);
        mouse(MouseEvent::Release, slider->getX() + dx, y, MouseEvent::Left);
    }
};

class ListenerLog : public InGameMenuListener {
public:
    void inGameMenuClosed(int result) override { results.push_back(result); }
    std::vector<int> results;
};

TEST_F(MenusTest, MainMenuEnablesContinueOnlyForAProfileWithASession) {
    MainMenu* menu = push(new MainMenu());
    frames(1);
    EXPECT_FALSE(menu->button(MainMenu::Continue)->isActive()) << "no profile";
    EXPECT_TRUE(factory_->made.empty()) << "the profiles menu waits for the fade-in";
    frames(8);
    ASSERT_EQ(factory_->made, std::vector<std::string>({"profilesMenu"})) << "the first start needs a profile";
    EXPECT_EQ(topName(), "profilesMenu");

    PlayerProfile& ada = addProfile("Ada");
    app_->popState();
    EXPECT_EQ(menu->getNameLabel()->getText(), "Ada");
    EXPECT_FALSE(menu->button(MainMenu::Continue)->isActive()) << "a profile without a session";
    EXPECT_EQ(factory_->made.size(), 1u) << "with a profile the menu stays";

    ada.currentSession = 2;
    app_->startState(new FakeScreen("over", FlowParameters()));
    app_->popState();
    EXPECT_TRUE(menu->button(MainMenu::Continue)->isActive());
    EXPECT_TRUE(menu->button(MainMenu::Play)->isActive());

    click(menu->button(MainMenu::Continue));
    frames(8);
    EXPECT_EQ(topName(), "mainMenu") << "the flow has no session 2: continue falls back to the main menu";
    EXPECT_EQ(app_->getStates().size(), 1u) << "the menu popped itself";
}

TEST_F(MenusTest, MainMenuAsksBeforeANewGameOnlyWithAGameInProgress) {
    PlayerProfile& ada = addProfile("Ada");
    MainMenu* menu = push(new MainMenu());
    frames(8);
    click(menu->button(MainMenu::Play));
    EXPECT_EQ(question(menu), nullptr) << "nothing to lose: no question";
    frames(8);
    ASSERT_EQ(topName(), ScreenTypes::DialogScreen);
    auto* tutorial = dynamic_cast<FakeScreen*>(app_->topState());
    EXPECT_NE(tutorial->text("fileName").find("Tutorial.xml"), std::string::npos);
    EXPECT_TRUE(ada.started);
    app_->popState();

    ada.score = 900;
    menu = push(new MainMenu());
    frames(8);
    click(menu->button(MainMenu::Play));
    ASSERT_NE(question(menu), nullptr);
    EXPECT_EQ(question(menu)->getDescription().width, 420);
    EXPECT_EQ(question(menu)->getDescription().height, 520);
    answer(menu, 0);
    EXPECT_EQ(app_->topState(), menu) << "no: the menu stays";
    EXPECT_EQ(ada.score, 900);

    click(menu->button(MainMenu::Play));
    answer(menu, 1);
    frames(8);
    EXPECT_EQ(topName(), ScreenTypes::DialogScreen);
    EXPECT_EQ(ada.score, 0) << "yes: the profile starts over";
}

TEST_F(MenusTest, MainMenuOpensItsScreensPlaysItsMusicAndTracksTheHover) {
    addProfile("Ada");
    MainMenu* menu = push(new MainMenu());
    frames(8);
    EXPECT_EQ(services_.musicIndexes, std::vector<int>({MainMenu::MusicIndex}));
    EXPECT_EQ(services_.musicPlays, std::vector<int>({-1}));

    const TarvikButton* options = menu->button(MainMenu::Options);
    EXPECT_EQ(options->getY(), 430);
    EXPECT_EQ(options->getX() + options->getWidth() / 2, 512);
    mouse(MouseEvent::Move, options->getX() + 10, options->getY() + 10);
    EXPECT_EQ(menu->getHoveredButton(), MainMenu::Options);
    mouse(MouseEvent::Move, 5, 5);
    EXPECT_EQ(menu->getHoveredButton(), -1);

    for (int id : {MainMenu::Options, MainMenu::ChangeProfile, MainMenu::ExitGame}) {
        click(menu->button(id));
        EXPECT_NE(app_->topState(), menu);
        app_->popState();
    }
    EXPECT_EQ(factory_->made, std::vector<std::string>({"options", "profilesMenu", "quitDialog"}));

    menu->onTarvikButton(MainMenu::Painting, 1);
    frames(8);
    EXPECT_EQ(topName(), "piece:-1");
    EXPECT_EQ(app_->getStates().size(), 1u);
}

TEST_F(MenusTest, MainMenuOpensTheWorldMapWithPinsUntilEverySceneIsCompleted) {
    const TempFolder folder;
    const std::string index = folder.file("sceneIndex.xml");
    const std::string text = "<Indexes><Index id=\"100\" fileName=\"a\" path=\"a/\"/>"
                             "<Index id=\"200\" fileName=\"b\" path=\"b/\"/>"
                             "<Index id=\"50\" fileName=\"menu\" path=\"m/\"/></Indexes>";
    TempFolder::writeAll(index, std::vector<unsigned char>(text.begin(), text.end()));
    ASSERT_TRUE(SceneIndex::instance().load(index));

    auto openMap = [this] {
        MainMenu* menu = push(new MainMenu());
        frames(8);
        const TarvikButton* map = menu->button(MainMenu::WorldMap);
        EXPECT_LT(map->getX() + map->getWidth(), menu->button(MainMenu::Play)->getX()) << "left of the column";
        click(map);
        frames(8);
        const std::string shown = topName();
        EXPECT_EQ(app_->getStates().size(), 1u) << "the menu handed over to the map";
        app_->popState();
        return shown;
    };
    EXPECT_EQ(MainMenu::worldMapMode(), MapPins::AllPinsMode) << "no player yet: the world with every pin";

    PlayerProfile& ada = addProfile("Ada");
    auto session = std::make_unique<SessionRecord>();
    auto location = std::make_unique<LocationEntry>(0);
    location->present.collectedItems = {{1, 1}};
    location->past.collectedItems = {{2, 1}};
    location->past.goalItems = {{3, 1}};
    LocationEntry& first = *location;
    session->locations.push_back(std::move(location));
    ada.sessions.push_back(std::move(session));
    EXPECT_EQ(openMap(), "map:0:100") << "the past of the first place is still being played";

    first.past.goalItems.clear();
    EXPECT_EQ(openMap(), "map:0:101") << "every scene of the game completed: check marks everywhere";
    SceneIndex::reset();
}

TEST_F(MenusTest, OptionsSlidersActAtOnceAndFullScreenWaitsForTheClose) {
    setSetting<char>(GameSaveEntries::kFullScreen, 0);
    setSetting<int>(GameSaveEntries::kMusicVolume, 40);
    OptionsMenu* options = openOptions();
    CustomSliderWidget* music = options->getSlider(OptionsMenu::MusicSlider);
    CustomSliderWidget* sound = options->getSlider(OptionsMenu::SoundSlider);
    EXPECT_FLOAT_EQ(music->getValue(), 0.4f);
    EXPECT_FLOAT_EQ(sound->getValue(), 0.75f);

    drag(music, 400);
    EXPECT_EQ(setting<int>(GameSaveEntries::kMusicVolume), 100) << "dragged past the end";
    EXPECT_EQ(services_.musicVolume, 100);
    drag(music, 110);
    EXPECT_EQ(setting<int>(GameSaveEntries::kMusicVolume), 50) << "the middle of the 220-pixel track";
    EXPECT_EQ(services_.musicVolume, 50);
    drag(sound, 33);
    EXPECT_EQ(setting<int>(GameSaveEntries::kSoundVolume), 15) << "0.15 of the track";
    EXPECT_EQ(services_.soundVolume, 15);
    EXPECT_EQ(setting<int>(GameSaveEntries::kMusicVolume), 50);

    click(options->getCheckBox(OptionsMenu::CustomCursorBox));
    EXPECT_EQ(setting<char>(GameSaveEntries::kHardwareCursor), 0);
    EXPECT_EQ(services_.cursorCalls, std::vector<bool>({false})) << "the cursor changes at once";

    click(options->getCheckBox(OptionsMenu::FullScreenBox));
    EXPECT_EQ(setting<char>(GameSaveEntries::kFullScreen), 1);
    EXPECT_TRUE(services_.fullScreenCalls.empty()) << "full screen waits for the close";
    EXPECT_EQ(services_.saves, 0);

    key(SDLK_ESCAPE);
    frames(5);
    EXPECT_EQ(services_.fullScreenCalls, std::vector<bool>({true}));
    EXPECT_EQ(services_.saves, 1);
    EXPECT_TRUE(app_->getStates().empty()) << "the dialog popped itself";

    const std::vector<unsigned char> file = TempFolder::readAll(folder_.file("chrona.sav"));
    ASSERT_GE(file.size(), 14u);
    EXPECT_EQ(file[0], 1) << "FULL_SCREEN";
    EXPECT_EQ(file[1], 0) << "HARDWARE_CURSOR";
    EXPECT_EQ(file[2], 50) << "MUSIC_VOLUME";
    EXPECT_EQ(file[file.size() - 4], 15) << "SOUND_VOLUME, the last entry";
}

TEST_F(MenusTest, OptionsFollowAVideoModeChangeAndOfferCredits) {
    setSetting<char>(GameSaveEntries::kFullScreen, 1);
    OptionsMenu* options = openOptions();
    CustomCheckBox* box = options->getCheckBox(OptionsMenu::FullScreenBox);
    EXPECT_TRUE(box->isChecked());
    setSetting<char>(GameSaveEntries::kFullScreen, 0);
    services_.events.notifyAll(GlobalEventManager::VideoModeChanged);
    EXPECT_FALSE(box->isChecked()) << "Alt+Enter while the dialog is open";
    services_.events.notifyAll(1);
    EXPECT_FALSE(box->isChecked());

    options->onTarvikButton(OptionsMenu::CreditsButton, 1);
    EXPECT_EQ(topName(), "credits");
    app_->popState();
    options->onTarvikButton(OptionsMenu::OkButton, 1);
    frames(5);
    EXPECT_TRUE(app_->getStates().empty());
    EXPECT_EQ(services_.fullScreenCalls, std::vector<bool>({false}));
    // Unregistered when it went: a later change reaches nobody.
    services_.events.notifyAll(GlobalEventManager::VideoModeChanged);
}

TEST_F(MenusTest, InGameMenuTellsItsListenerAfterPoppingItself) {
    ListenerLog log;
    app_->startState(new FakeScreen("scene", FlowParameters()));
    InGameMenu* menu = push(new InGameMenu(&log));
    const MessageQuestionDialog* dialog = question(menu);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->getDescription().caption, MenuLook::label("MENU_CAPTION"));
    EXPECT_EQ(dialog->getDescription().buttonTexts[1], MenuLook::label("MAIN_MENU"));
    answer(menu, 1);
    EXPECT_EQ(log.results, std::vector<int>({InGameMenuListener::MainMenu}));
    EXPECT_EQ(topName(), "scene");

    menu = push(new InGameMenu(&log));
    answer(menu, 0);
    menu = push(new InGameMenu(&log));
    frames(6);
    key(SDLK_ESCAPE);
    frames(6);
    EXPECT_EQ(log.results, std::vector<int>({1, 0, 0})) << "Escape resumes";
    EXPECT_EQ(topName(), "scene");
}

TEST_F(MenusTest, QuitQuestionNoAsksAgainNextTimeAndYesStoresFirst) {
    std::vector<std::string> events;
    auto store = [this, &events] { events.push_back(app_->isQuitRequested() ? "stored late" : "stored"); };
    app_->startState(new FakeScreen("scene", FlowParameters()));
    NewQuitDialogScreen* quit = push(new NewQuitDialogScreen(store));
    EXPECT_EQ(question(quit)->getDescription().message, MenuLook::label("MESSAGE_QUIT"));
    answer(quit, 0);
    EXPECT_EQ(services_.quitDialogsClosed, 1);
    EXPECT_EQ(topName(), "scene");
    EXPECT_TRUE(events.empty());
    EXPECT_FALSE(app_->isQuitRequested());

    quit = push(new NewQuitDialogScreen(store));
    answer(quit, 1);
    EXPECT_EQ(events, std::vector<std::string>({"stored"}));
    EXPECT_TRUE(app_->isQuitRequested());
    EXPECT_TRUE(app_->isExitNow());
    EXPECT_EQ(services_.quitDialogsClosed, 1);
}

}  // namespace
