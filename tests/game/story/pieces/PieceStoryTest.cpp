#include <memory>
#include <string>
#include <vector>

#include "game/persistence/LocationEntry.hpp"
#include "game/persistence/SessionRecord.hpp"
#include "game/story/pieces/PieceStory.hpp"
#include "support/RecordingScreenFactory.hpp"
#include "tests/game/story/StorySessions.hpp"
#include "tests/game/story/flow/FlowFixture.hpp"

namespace {

void finish(SceneState& state) {
    state.collectedItems = {{1, 0}};
    state.goalItems.clear();
    state.opened = true;
    state.completed = true;
}

// A player in the first of the test flow's sessions (three locations),
// with the recording factory for the map and the menu.
class PieceStoryTest : public FlowFixture {
protected:
    void SetUp() override {
        FlowFixture::SetUp();
        auto factory = std::make_unique<RecordingScreenFactory>();
        factory_ = factory.get();
        flow().setScreenFactory(std::move(factory));
        startSession(player(), 1, {0, 1, 2});
        ASSERT_TRUE(flow().load(data("sessions.xml"), index_));
        flow().setPosition(0);
    }
    PlayerProfile& ada() { return *PlayerProfiles::instance().currentProfile(); }
    LocationEntry& location(int n) { return *ada().sessions.front()->locations.at(static_cast<std::size_t>(n)); }
    // The name of the screen that follows a leave code.
    std::string after(int code) {
        return nameOf(PieceStory::next(code));
    }
    // The name of the screen that follows a game left on a completed scene.
    static std::string afterCompletedScene() { return nameOf(PieceStory::afterCompletedScene()); }
    static std::string nameOf(ScreenBase* built) {
        std::unique_ptr<ScreenBase> screen(built);
        return screen ? screen->getName() : std::string("<none>");
    }

    RecordingScreenFactory* factory_ = nullptr;
};

}  // namespace

TEST_F(PieceStoryTest, PiecesAreHandedOutInThePlayersOrderUntilNoneIsLeft) {
    PlayerProfile& player = ada();
    player.pieceOrder = {7, 9, 0};
    player.pieceCursor = -1;
    player.piecesShown.clear();
    EXPECT_EQ(PieceStory::unlockNext(player), 7);
    EXPECT_EQ(player.pieceCursor, 0);
    EXPECT_TRUE(player.piecesShown.at(7));
    EXPECT_EQ(PieceStory::unlockNext(player), 9);
    EXPECT_EQ(PieceStory::unlockNext(player), 0);
    EXPECT_EQ(PieceStory::unlockNext(player), -1) << "the cursor stays inside the order";
    EXPECT_EQ(player.pieceCursor, 2);

    std::map<int, bool> shown;
    for (int id = 0; id < 20; ++id) {
        shown[id] = true;
    }
    EXPECT_TRUE(PieceStory::isComplete(shown));
    shown[13] = false;
    EXPECT_FALSE(PieceStory::isComplete(shown));
    shown.erase(13);
    EXPECT_FALSE(PieceStory::isComplete(shown)) << "nineteen pieces are not the painting";
}

TEST_F(PieceStoryTest, AfterThePresentScenesPieceThePastSceneFollowsUnlessItIsDone) {
    finish(location(0).present);
    ada().currentScene = 100;
    location(0).present.remainingTime = 4000;
    EXPECT_EQ(PieceStory::leaveCode(&ada(), 0), PieceStory::StoryGoesOn);
    EXPECT_EQ(after(PieceStory::StoryGoesOn), ScreenTypes::Scene);
    EXPECT_EQ(ada().currentScene, 200) << "the session resumes with the past scene";
    EXPECT_EQ(flow().position(), 0);
    EXPECT_EQ(location(0).present.remainingTime, -1) << "an interrupted challenge is over";

    finish(location(0).past);
    ada().currentScene = 100;
    EXPECT_EQ(after(PieceStory::StoryGoesOn), "map:1:-1");
}

TEST_F(PieceStoryTest, AGameLeftOnACompletedSceneGetsItsPieceOnlyWhileItIsOwed) {
    ada().pieceOrder = {7, 9, 0};
    ada().pieceCursor = -1;
    // A present completed, its past begun: the present again, whose ending
    // leads through the portal.
    finish(location(0).present);
    location(0).thirdFlag = true;
    location(0).past.opened = true;
    location(0).past.collectedItems = {{1, 0}};
    location(0).past.goalItems = {{2, 0}};
    ada().currentScene = 100;
    EXPECT_EQ(afterCompletedScene(), ScreenTypes::Scene);
    EXPECT_EQ(ada().currentScene, 100);

    finish(location(0).present);
    finish(location(0).past);
    ada().currentScene = 200;
    // Stopped between the scene and its piece.
    EXPECT_TRUE(PieceStory::isPieceOwed(ada()));
    EXPECT_EQ(afterCompletedScene(), "piece:0");

    // Stopped on the piece, which is saved as it is found: the story goes on as after it.
    ada().pieceCursor = 0;
    EXPECT_FALSE(PieceStory::isPieceOwed(ada()));
    EXPECT_EQ(afterCompletedScene(), ScreenTypes::NewLocation);
    EXPECT_EQ(ada().currentScene, 101);

    // A second game after the painting was finished owes nothing.
    finish(location(1).present);
    finish(location(1).past);
    ada().pieceOrder = {7};
    EXPECT_FALSE(PieceStory::isPieceOwed(ada()));

    // The session's last piece had: the flow moves on, even from a present
    // whose past was completed first.
    finish(location(2).present);
    finish(location(2).past);
    ada().currentScene = 102;
    EXPECT_EQ(afterCompletedScene(), "MgPlaceHolder");
    EXPECT_EQ(flow().position(), 1);
}

TEST_F(PieceStoryTest, AfterThePastScenesPieceTheNextNewLocationOrTheMapOrTheFlowFollows) {
    finish(location(0).present);
    finish(location(0).past);
    ada().currentScene = 200;
    ASSERT_EQ(PieceStory::leaveCode(&ada(), 0), PieceStory::StoryGoesOn);
    EXPECT_EQ(after(PieceStory::StoryGoesOn), ScreenTypes::NewLocation);
    EXPECT_EQ(ada().currentScene, 101) << "the first location not begun";

    location(1).present.collectedItems = {{1, 0}};
    location(2).present.collectedItems = {{1, 0}};
    ada().currentScene = 200;
    EXPECT_EQ(after(PieceStory::StoryGoesOn), "map:0:-1") << "every location begun, some scenes open";

    location(0).thirdFlag = true;
    location(1).present.opened = true;
    EXPECT_EQ(PieceStory::leaveCode(&ada(), 0), PieceStory::ToMap);
    EXPECT_EQ(after(PieceStory::ToMap), "map:0:-1");

    for (int n : {1, 2}) {
        finish(location(n).present);
        finish(location(n).past);
    }
    EXPECT_EQ(PieceStory::leaveCode(&ada(), 0), PieceStory::NextFlowEntry);
    after(PieceStory::NextFlowEntry);
    EXPECT_EQ(flow().position(), 1) << "the session is over: the flow moves on";
    EXPECT_EQ(after(PieceStory::BackToMenu), "mainMenu");
}
