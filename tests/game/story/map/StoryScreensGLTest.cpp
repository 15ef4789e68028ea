#include "game/story/map/MapPins.hpp"
#include "game/story/map/NewLocationScreen.hpp"
#include "game/story/map/NewMapScreen.hpp"
#include "game/story/pieces/LumoraPieceFoundScreen.hpp"
#include "game/story/pieces/PlayerProgressScreen.hpp"
#include "tests/game/menus/MenuGLFixture.hpp"
#include "tests/game/story/StorySessions.hpp"

namespace {

// The map, the announcement, the painting and the progress page drawn from
// the shipped art (photographs under build/tmp/story-NAME.png), for a player
// in the first session: the first location done in both eras with gold, the
// second begun with silver, the third untouched.
class StoryScreensGLTest : public MenuGLFixture {
protected:
    StoryScreensGLTest() : MenuGLFixture("story-") {}

    void SetUp() override {
        MenuGLFixture::SetUp();
        PlayerProfile& ada = addProfile("Ada");
        SessionRecord& session = startSession(ada, 1, {0, 1, 2, 3});
        for (SceneState* done : {&session.locations[0]->present, &session.locations[0]->past}) {
            done->collectedItems = {{1, 0}};
            done->opened = true;
            done->completed = true;
            done->points = 900;
        }
        session.locations[0]->present.badge = 0;
        SceneState& begun = session.locations[1]->present;
        begun.collectedItems = {{1, 0}};
        begun.goalItems = {{2, 0}};
        begun.opened = true;
        begun.badge = 1;
        begun.points = 420;
        session.locations[3]->present.opened = true;
        session.locations[3]->present.badge = 2;
        session.locations[3]->present.collectedItems = {{1, 0}};
        session.locations[3]->present.goalItems = {{2, 0}};
        ada.score = 2220;
        ada.pieceOrder = {4, 11, 17};
    }
    static bool reddish(const Color& c) { return c.r > c.g + 60 && c.r > c.b + 60; }
};

}  // namespace

TEST_F(StoryScreensGLTest, TheMapShowsPinsByProgressInBothEras) {
    NewMapScreen* map = push(new NewMapScreen(nullptr, MapPins::PresentView, MapPins::NormalMode));
    frames(8);
    const TarvikButton* yellow = map->pin(101);
    ASSERT_NE(yellow, nullptr);
    mouse(MouseEvent::Move, yellow->getX() + yellow->getWidth() / 2, yellow->getY() + yellow->getHeight() / 2);
    frames(4);
    EXPECT_EQ(map->hoveredScene(), 101);
    const auto present = shoot("map-present");
    const TarvikButton* red = map->pin(102);
    ASSERT_NE(red, nullptr);
    EXPECT_TRUE(reddish(present->getPixel(red->getX() + red->getWidth() / 2, red->getY() + 5)));
    EXPECT_GT(present->getPixel(950, 200).b, present->getPixel(950, 200).r) << "the sea of today is blue-grey";

    click(map->control(NewMapScreen::SwitchView));
    mouse(MouseEvent::Move, 5, 5);
    frames(4);
    const auto past = shoot("map-past");
    EXPECT_GT(past->getPixel(950, 200).r, past->getPixel(950, 200).b) << "the sea of long ago is sepia";
}

TEST_F(StoryScreensGLTest, TheNewLocationIsAnnounced) {
    push(new NewLocationScreen("", 102, -1, false));
    frames(4);
    const auto shot = shoot("new-location");
    EXPECT_GT(shot->getPixel(790 + 100, 484 + 80).r + shot->getPixel(790 + 100, 484 + 80).g, 60)
        << "the location's card in the corner";
}

TEST_F(StoryScreensGLTest, APieceFliesIntoThePaintingAndTheWholePaintingShows) {
    LumoraPieceFoundScreen* screen = push(new LumoraPieceFoundScreen(false, 0));
    ASSERT_EQ(screen->unlockedPiece(), 4);
    frames(30, 100);
    const auto enlarged = shoot("piece-enlarged");
    EXPECT_GT(screen->bigPieceScale(), 0.99f) << "still enlarged before its flight";
    frames(40, 100);
    EXPECT_TRUE(screen->isPromptShown());
    shoot("piece-placed");
    app_->popState();

    for (int id = 0; id < 20; ++id) {
        PlayerProfiles::instance().currentProfile()->piecesShown[id] = true;
    }
    push(new LumoraPieceFoundScreen(true, -1));
    frames(8);
    const auto whole = shoot("painting-whole");
    const Color sky = whole->getPixel(300, 140);
    EXPECT_GT(sky.b, sky.r) << "the night sky of the painting, not the empty canvas";
}

TEST_F(StoryScreensGLTest, TheProgressPageShowsEveryBadge) {
    PlayerProgressScreen* page = push(new PlayerProgressScreen("", true));
    frames(8);
    EXPECT_EQ(page->badges().size(), 3u);
    const auto shot = shoot("progress");
    const Color gold = shot->getPixel(403 + 15, 240 - 7 + 22);
    EXPECT_GT(gold.r, gold.b + 60) << "the gold badge of the first location";
}
