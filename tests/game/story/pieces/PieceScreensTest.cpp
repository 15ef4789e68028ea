#include <algorithm>
#include <string>
#include <vector>

#include "engine/widgets/TarvikButton.hpp"
#include "game/persistence/LocationEntry.hpp"
#include "game/persistence/SessionRecord.hpp"
#include "game/story/pieces/LumoraPieceFoundScreen.hpp"
#include "game/story/pieces/PieceStory.hpp"
#include "game/story/pieces/PlayerProgressScreen.hpp"
#include "support/LogCapture.hpp"
#include "tests/game/menus/MenuFixture.hpp"
#include "tests/game/story/StorySessions.hpp"

namespace {

// The painting and progress screens over the baked content, for a player
// whose hand-out order starts with piece 7.
class PieceScreensTest : public MenuFixture {
protected:
    void SetUp() override {
        MenuFixture::SetUp();
        PlayerProfile& ada = addProfile("Ada");
        ada.pieceOrder = {7, 9, 3, 0};
        ada.pieceCursor = -1;
        ada.piecesShown.clear();
    }
    PlayerProfile& ada() { return *PlayerProfiles::instance().currentProfile(); }
    bool requested(const std::string& path) const {
        const auto& requests = services_.textureFactory.requests;
        return std::any_of(requests.begin(), requests.end(), [&](const auto& r) { return r.path == path; });
    }
    static TarvikButton* okButton(const ScreenBase* screen) {
        for (Widget* widget : screen->getWidgets()) {
            if (auto* button = dynamic_cast<TarvikButton*>(widget)) {
                return button;
            }
        }
        return nullptr;
    }
    void clickScreen() {
        mouse(MouseEvent::Press, 500, 400, MouseEvent::Left);
        mouse(MouseEvent::Release, 500, 400, MouseEvent::Left);
    }
};

}  // namespace

TEST_F(PieceScreensTest, ANewPieceIsFoundAsTheScreenIsBuiltAndFliesIntoItsPlace) {
    LumoraPieceFoundScreen* screen = push(new LumoraPieceFoundScreen(false, 0));
    EXPECT_EQ(screen->unlockedPiece(), 7);
    EXPECT_EQ(ada().pieceCursor, 0);
    EXPECT_TRUE(ada().piecesShown.at(7)) << "found as soon as the screen is built";
    EXPECT_EQ(screen->shown().count(7), 0u) << "drawn in the painting only when it has landed";
    EXPECT_TRUE(requested("content/images/LumoraPieces/Big/Piece08.png"));
    ASSERT_NE(screen->pieceTexture(7), nullptr) << "the pieces file has piece 7";
    EXPECT_EQ(services_.musicIndexes, std::vector<int>{PieceStory::PaintingMusic});

    frames(40, 100);
    EXPECT_FALSE(screen->isPromptShown()) << "still flying after four seconds";
    frames(40, 100);
    EXPECT_TRUE(screen->isPromptShown());
    ASSERT_EQ(screen->shown().count(7), 1u);
    EXPECT_TRUE(screen->shown().at(7)) << "landed";
    EXPECT_NEAR(screen->bigPieceScale(), 64.0f / 64.0f, 0.001f) << "fake pictures are all 64 wide";

    const int savesBefore = services_.saves;
    clickScreen();
    frames(10);
    EXPECT_GT(services_.saves, savesBefore) << "the found piece is saved on leaving";
}

TEST_F(PieceScreensTest, TheMainMenusPaintingShowsExactlyThePiecesFound) {
    ada().piecesShown = {{3, true}, {9, true}, {12, false}};
    LumoraPieceFoundScreen* screen = push(new LumoraPieceFoundScreen(true, -1));
    EXPECT_TRUE(screen->isViewOnly());
    EXPECT_EQ(screen->unlockedPiece(), -1);
    EXPECT_EQ(ada().pieceCursor, -1) << "looking hands nothing out";
    EXPECT_EQ(screen->shown(), (std::map<int, bool>{{3, true}, {9, true}, {12, false}}));
    EXPECT_TRUE(screen->isPromptShown());
    frames(8);
    clickScreen();
    frames(10);
    ASSERT_FALSE(factory_->made.empty());
    EXPECT_EQ(factory_->made.back(), "mainMenu");
}

TEST_F(PieceScreensTest, AWholePaintingOpensViewOnlyAndTheStoryGoesOn) {
    for (int id = 0; id < 20; ++id) {
        ada().piecesShown[id] = true;
    }
    SessionRecord& session = startSession(ada(), 1, {0, 4});
    session.locations[0]->present.completed = session.locations[0]->past.completed = true;
    session.locations[0]->thirdFlag = true;
    session.locations[1]->present.opened = true;
    LumoraPieceFoundScreen* screen = push(new LumoraPieceFoundScreen(false, 0));
    EXPECT_TRUE(screen->isViewOnly());
    EXPECT_EQ(ada().pieceCursor, -1);
    frames(8);
    clickScreen();
    frames(10);
    // A second game after the painting was finished: no piece, yet the session goes on.
    ASSERT_FALSE(factory_->made.empty());
    EXPECT_EQ(factory_->made.back(), "map:0:-1");
}

TEST_F(PieceScreensTest, TheProgressScreenListsBadgesOfOpenedScenesAndResetsAtTheEnd) {
    SessionRecord& session = startSession(ada(), 1, {0, 4, 7, 9});
    LocationEntry& first = *session.locations[0];
    first.present.opened = true;
    first.present.badge = 0;
    first.present.points = 120;
    session.locations[1]->present.opened = true;
    session.locations[1]->present.badge = 1;
    session.locations[2]->present.opened = true;
    session.locations[2]->present.badge = 3;
    session.locations[3]->present.badge = 2;
    ada().started = false;

    PlayerProgressScreen* overlay = push(new PlayerProgressScreen("", true));
    EXPECT_EQ(overlay->openedScenes(), (std::vector<int>{100, 104, 107})) << "scene 109 was never opened";
    EXPECT_EQ(overlay->badges(), (std::map<int, int>{{100, 0}, {104, 1}, {107, 3}}));
    frames(8);
    ASSERT_NE(okButton(overlay), nullptr);
    click(okButton(overlay));
    frames(8);
    EXPECT_TRUE(ada().started);
    EXPECT_EQ(ada().sessions.size(), 1u) << "closing keeps the progress";

    GameFlow::instance().setPosition(7);
    PlayerProgressScreen* end = push(new PlayerProgressScreen("", false));
    frames(8);
    ASSERT_NE(okButton(end), nullptr);
    click(okButton(end));
    answer(end, 0);
    frames(8);
    EXPECT_EQ(GameFlow::instance().position(), 0);
    EXPECT_TRUE(ada().sessions.empty()) << "the journey starts over";
    ASSERT_FALSE(factory_->made.empty());
    EXPECT_EQ(factory_->made.back(), "mainMenu");
}

TEST_F(PieceScreensTest, AMissingEnlargedPieceIsNamedAndTheSmallPieceStandsIn) {
    // The enlarged pictures load empty, as a missing file does in the game.
    struct WithoutEnlargements : TextureFactory {
        Texture* load(const std::string& path, ImageFilter*, int) override {
            const int side = path.find("/Big/") == std::string::npos ? 64 : 0;
            return new FakeTexture(side, side, side, side);
        }
    } textures;
    services_.textureSource = &textures;
    LogCapture said;
    LumoraPieceFoundScreen* screen = push(new LumoraPieceFoundScreen(false, 0));
    EXPECT_EQ(screen->unlockedPiece(), 7);
    const std::vector<std::string> lines = said.take();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NE(lines[0].find("Big/Piece08.png: the enlarged piece is missing"), std::string::npos) << lines[0];
    frames(80, 100);
    EXPECT_TRUE(screen->isPromptShown()) << "the reveal runs all the same";
    EXPECT_NEAR(screen->bigPieceScale(), 1.0f, 0.001f) << "the small piece, shown at its own size in the end";
    services_.textureSource = nullptr;
}
