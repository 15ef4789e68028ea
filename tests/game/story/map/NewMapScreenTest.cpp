#include <algorithm>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "engine/resources/ResourceManager.hpp"
#include "game/persistence/LocationEntry.hpp"
#include "game/persistence/SessionRecord.hpp"
#include "game/story/map/MapPins.hpp"
#include "game/story/map/NewLocationScreen.hpp"
#include "game/story/map/NewMapScreen.hpp"
#include "game/story/map/NewMapScreenListener.hpp"
#include "tests/game/menus/MenuFixture.hpp"
#include "tests/game/story/StorySessions.hpp"

namespace {

class MapAnswers : public NewMapScreenListener {
public:
    void mapAction(int action, int sceneId) override { answers.emplace_back(action, sceneId); }
    std::vector<std::pair<int, int>> answers;
};

// The map over the baked content, for a player in the first session: the
// first location's present scene completed and its past begun, the second
// location's present begun, the third untouched.
class NewMapScreenTest : public MenuFixture {
protected:
    void SetUp() override {
        MenuFixture::SetUp();
        startSession(addProfile("Ada"), 1, {0, 1, 2});
        LocationEntry& first = location(0);
        first.present.collectedItems = {{1, 0}};
        first.present.completed = true;
        first.past.collectedItems = {{1, 0}};
        first.past.goalItems = {{2, 0}};
        location(1).present.collectedItems = {{1, 0}};
        location(1).present.goalItems = {{2, 0}};
    }
    PlayerProfile& ada() { return *PlayerProfiles::instance().currentProfile(); }
    LocationEntry& location(int n) {
        return *ada().sessions.front()->locations.at(static_cast<std::size_t>(n));
    }
    NewMapScreen* open(NewMapScreenListener* caller, int view, int mode = MapPins::NormalMode) {
        NewMapScreen* map = push(new NewMapScreen(caller, view, mode));
        frames(8);
        EXPECT_EQ(map->getPhase(), ScreenBase::Shown);
        return map;
    }
    static Texture* looks(const NewMapScreen* map, const char* key) {
        return map->getResourceManager()->getTexture(key);
    }
    static Texture* picture(const TarvikButton* pin) {
        return pin->getStyle().appearances[TarvikButtonStyle::Normal].image;
    }
};

}  // namespace

TEST_F(NewMapScreenTest, PinsShowProgressInTheViewOfTheirEra) {
    NewMapScreen* map = open(nullptr, MapPins::PresentView);
    ASSERT_NE(map->pin(100), nullptr);
    EXPECT_EQ(picture(map->pin(100)), looks(map, "MAP_CHECK_MARK_SMALL"));
    EXPECT_EQ(picture(map->pin(101)), looks(map, "MAP_PINPOINT_YELLOW"));
    EXPECT_EQ(picture(map->pin(102)), looks(map, "MAP_PINPOINT_RED"));
    EXPECT_EQ(picture(map->pin(200)), looks(map, "MAP_PINPOINT_YELLOW"));
    EXPECT_EQ(picture(map->pin(201)), looks(map, "MAP_PINPOINT_RED"));
    EXPECT_EQ(map->pin(103), nullptr) << "a location of a later session has no pin";
    EXPECT_EQ(map->pin(203), nullptr);
    EXPECT_TRUE(map->pin(101)->isVisible());
    EXPECT_FALSE(map->pin(200)->isVisible()) << "the present view hides the past";
    EXPECT_TRUE(map->pin(200)->isActive()) << "with its present completed, the map is the way to an unfinished past";
    EXPECT_EQ(map->pin(101)->getX(), 560 - 64 / 2) << "centred on its place";

    click(map->control(NewMapScreen::SwitchView));
    EXPECT_EQ(map->view(), MapPins::PastView);
    EXPECT_FALSE(map->pin(101)->isVisible());
    EXPECT_TRUE(map->pin(201)->isVisible());
    click(map->control(NewMapScreen::SwitchView));
    EXPECT_TRUE(map->pin(101)->isVisible());

    app_->popState();
    NewMapScreen* all = open(nullptr, MapPins::PastView, MapPins::AllPinsMode);
    ASSERT_NE(all->pin(219), nullptr) << "the main menu's mode pins every scene of the map file";
    EXPECT_EQ(picture(all->pin(219)), looks(all, "MAP_PINPOINT"));
    EXPECT_TRUE(all->pin(219)->isVisible());
    EXPECT_FALSE(all->pin(119)->isVisible());
}

TEST_F(NewMapScreenTest, BackIsOnlyActiveOverTheSceneThatOpenedTheMap) {
    NewMapScreen* alone = open(nullptr, MapPins::PresentView);
    EXPECT_FALSE(alone->control(NewMapScreen::Back)->isActive());
    app_->popState();
    MapAnswers scene;
    NewMapScreen* over = open(&scene, MapPins::PresentView);
    EXPECT_TRUE(over->control(NewMapScreen::Back)->isActive());
    click(over->control(NewMapScreen::Back));
    frames(8);
    EXPECT_EQ(scene.answers, (std::vector<std::pair<int, int>>{{NewMapScreenListener::Closed, -1}}));
}

TEST_F(NewMapScreenTest, TheCallingSceneHearsWhichSceneWasChosen) {
    MapAnswers scene;
    ada().sessions.front()->mapScene = 101;
    NewMapScreen* map = open(&scene, MapPins::PresentView);
    EXPECT_EQ(map->openedAt(), 101);
    click(map->pin(102));
    frames(8);
    EXPECT_TRUE(scene.answers.empty()) << "an untouched scene is only selected";
    click(map->pin(100));
    frames(8);
    EXPECT_TRUE(scene.answers.empty()) << "a completed scene is only selected";
    click(map->pin(101));
    frames(8);
    EXPECT_EQ(scene.answers, (std::vector<std::pair<int, int>>{{NewMapScreenListener::SameScene, 101}}));

    ada().sessions.front()->mapScene = 102;
    scene.answers.clear();
    map = open(&scene, MapPins::PresentView);
    click(map->pin(101));
    frames(8);
    EXPECT_EQ(scene.answers, (std::vector<std::pair<int, int>>{{NewMapScreenListener::OtherScene, 101}}));

    scene.answers.clear();
    map = open(&scene, MapPins::PresentView);
    click(map->control(NewMapScreen::MainMenu));
    frames(8);
    EXPECT_EQ(scene.answers, (std::vector<std::pair<int, int>>{{NewMapScreenListener::MainMenu, -1}}));
    EXPECT_TRUE(factory_->made.empty()) << "the scene, not the map, goes to the menu";
}

TEST_F(NewMapScreenTest, WithoutACallingSceneTheFlowResumesTheChosenScene) {
    GameFlow::instance().setPosition(3);
    NewMapScreen* map = open(nullptr, MapPins::PresentView);
    click(map->pin(101));
    frames(8);
    EXPECT_EQ(ada().currentScene, 101);
    EXPECT_EQ(GameFlow::instance().position(), 3) << "a session in progress resumes, the flow stays";

    map = open(nullptr, MapPins::PresentView);
    click(map->control(NewMapScreen::MainMenu));
    frames(8);
    ASSERT_FALSE(factory_->made.empty());
    EXPECT_EQ(factory_->made.back(), "mainMenu");
}

TEST_F(NewMapScreenTest, TheNewLocationBlinksItsPinAndLeadsTheFlowOn) {
    GameFlow::instance().setPosition(2);
    NewLocationScreen* screen = push(new NewLocationScreen("", 102, 6666, true));
    frames(1, 16);
    EXPECT_EQ(services_.musicIndexes, std::vector<int>{6666});
    ASSERT_NE(screen->pinPosition(), nullptr);
    EXPECT_EQ(*screen->pinPosition(), std::make_pair(760, 430)) << "location 2's pin of the map file";
    EXPECT_EQ(screen->locationNumber(), 2);
    frames(5, 16);
    EXPECT_LT(screen->pinAlpha(), 255) << "the pin fades out";
    frames(12, 16);
    int lowest = 255;
    int highest = 0;
    for (int i = 0; i < 40; ++i) {
        frames(1, 16);
        lowest = std::min(lowest, screen->pinAlpha());
        highest = std::max(highest, screen->pinAlpha());
    }
    EXPECT_LT(lowest, 60) << "and keeps blinking";
    EXPECT_GT(highest, 200);
    mouse(MouseEvent::Press, 500, 400, MouseEvent::Left);
    mouse(MouseEvent::Release, 500, 400, MouseEvent::Left);
    frames(10);
    EXPECT_EQ(GameFlow::instance().position(), 3) << "the announcement advances the flow";

    NewLocationScreen past("", 219, -1, false);
    EXPECT_EQ(past.locationNumber(), 19);
}
