// What follows a story dialogue, and the main menu's new game and continue
// and the map's choice of a location.
#include "FlowFixture.hpp"
#include "support/RecordingScreenFactory.hpp"

namespace {

const std::string kDialogs = "content/story/dialogs/";
const std::string kIntro = "content/animations/CutScenes/Intro/";
const std::string kOutro = "content/animations/CutScenes/Outro/";

class StoryChain : public FlowFixture {
protected:
    void SetUp() override {
        FlowFixture::SetUp();
        flow().load(data("sessions.xml"), index_);
        log_.take();
    }

    // "type file music loop noPush justPlay" of a dialogue screen, or the
    // type and the named parameters of another screen.
    static std::string describe(const std::unique_ptr<FakeScreen>& screen) {
        if (!screen) {
            return "none";
        }
        if (screen->type() != ScreenTypes::DialogScreen) {
            std::string text = screen->type();
            for (const auto& [name, value] : screen->parameters().values()) {
                text += " " + name + "=" + value;
            }
            return text;
        }
        return "DialogScreen " + screen->text("fileName") + " " + screen->text("musicId") + " " +
               screen->text("loopMusic") + " " + screen->text("noPushOnLeave") + " " +
               screen->text("justPlayAnimation");
    }
    std::string after(const std::string& file, int code = 0) { return describe(take(flow().afterDialogue(file, code))); }
};

TEST_F(StoryChain, EveryRowLeadsToItsScreen) {
    flow().setPosition(1);
    EXPECT_EQ(after(kIntro + "Sequence01/Sequence01.xml"),
              "DialogScreen " + kIntro + "Sequence02/Sequence02.xml 7777 -1 0 1");
    EXPECT_EQ(after(kIntro + "Sequence02/Sequence02.xml"), "DialogScreen " + kDialogs + "IntroScene_03.xml 6666 -1 0 0");
    EXPECT_EQ(after(kDialogs + "IntroScene_03.xml"), "DialogScreen " + kDialogs + "IntroScene_04.xml 6666 -1 0 0");
    EXPECT_EQ(after(kDialogs + "IntroScene_04.xml"), "PlayerProfilesMenu");
    EXPECT_EQ(after(kDialogs + "IntroScene_05.xml"), "mainMenu");
    EXPECT_EQ(after(kDialogs + "Tutorial.xml"), "DialogScreen " + kDialogs + "Tutorial_TimeZapper.xml 6666 -1 0 0");
    EXPECT_EQ(after(kDialogs + "Tutorial_TimeZapper.xml"), "NewLocationScreen advance=0 sceneId=100");
    EXPECT_EQ(after(kOutro + "Sequence01/Sequence01.xml"),
              "DialogScreen " + kOutro + "Sequence02/Sequence02.xml 6666 -1 0 1");
    EXPECT_EQ(after(kOutro + "Sequence02/Sequence02.xml"),
              "DialogScreen " + kOutro + "Sequence03/Sequence03.xml 6666 -1 0 1");
    EXPECT_EQ(after(kOutro + "Sequence03/Sequence03.xml"), "PlayerProgress overlay=0");
    // None of these moves the flow, whatever their leave code.
    EXPECT_EQ(after(kDialogs + "IntroScene_05.xml", 4), "mainMenu");
    EXPECT_EQ(flow().position(), 1);

    // With a current profile the introduction ends in the main menu.
    player();
    EXPECT_EQ(after(kIntro + "Sequence02/Sequence02.xml"), "mainMenu");

    // The sixth cut-scene moves the flow on.
    EXPECT_EQ(after(kDialogs + "CutScene_6.xml"), "MgPlaceHolder caption=SECOND type=MgPlaceHolder");
    EXPECT_EQ(flow().position(), 2);

    // Files outside the table: code 0 goes to the main menu, others to the start.
    EXPECT_EQ(after(kDialogs + "Unknown.xml"), "mainMenu");
    EXPECT_EQ(after(kDialogs + "cutscene_6.xml"), "mainMenu");
    EXPECT_EQ(flow().position(), 2);
    PlayerProfiles::instance().select(-1);
    EXPECT_EQ(after(kDialogs + "Unknown.xml", 2), "none");  // entry 0 is a session: no profile, no scene
    EXPECT_EQ(flow().position(), 0);
    flow().setPosition(2);
    flow().registerCreator(ScreenTypes::GamePartSession,
                           [](const FlowParameters& p) { return new FakeScreen("session", p); });
    EXPECT_EQ(take(flow().afterDialogue(kDialogs + "Unknown.xml", -1))->text("sessionID"), "1");
    EXPECT_EQ(flow().position(), 0);
}

TEST_F(StoryChain, CutScenesOneToFiveOpenTheNextLocationOfTheProfile) {
    PlayerProfile& profile = player({0, 12, 3, 7, 10, 5, 1});
    flow().setPosition(3);
    for (int n = 1; n <= 5; ++n) {
        profile.locationCursor = n - 1;
        const int next = profile.locationOrder[static_cast<std::size_t>(n)];
        EXPECT_EQ(after(kDialogs + "CutScene_" + std::to_string(n) + ".xml"),
                  "NewLocationScreen advance=1 sceneId=" + std::to_string(100 + next))
            << n;
    }
    EXPECT_EQ(flow().position(), 3);
    // With the order used up the flow moves on at once.
    profile.locationCursor = 6;
    EXPECT_EQ(after(kDialogs + "CutScene_2.xml"), "Animation type=Animation");
    EXPECT_EQ(flow().position(), 4);
}

TEST_F(StoryChain, TheFirstStoryScreenIsTheIntroCutScene) {
    EXPECT_EQ(describe(take(flow().firstStoryScreen())),
              "DialogScreen " + kIntro + "Sequence01/Sequence01.xml 7777 0 0 1");
}

using MainMenuCommands = StoryChain;

TEST_F(MainMenuCommands, NewGameStartsTheProfileOverWithTheTutorial) {
    PlayerProfile& profile = player({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
    take(flow().nextScreen(false));
    profile.score = 900;
    profile.sceneCarryOver = 4;
    profile.pieceCursor = 3;
    flow().setPosition(5);

    EXPECT_EQ(describe(take(flow().newGame())), "DialogScreen " + kDialogs + "Tutorial.xml 6666 -1 0 0");
    EXPECT_EQ(flow().position(), 0);
    EXPECT_EQ(profile.score, 0);
    EXPECT_EQ(profile.sceneCarryOver, 0);
    EXPECT_TRUE(profile.started);
    EXPECT_TRUE(profile.sessions.empty());
    EXPECT_EQ(profile.currentSession, -1);
    EXPECT_EQ(profile.locationCursor, -1);
    EXPECT_EQ(profile.pieceCursor, 3);
    EXPECT_EQ(profile.locationOrder[0], 0);
    EXPECT_FALSE(profile.sceneUse[101]);

    // The first session starts afresh from the new order.
    auto scene = take(flow().nextScreen(false));
    EXPECT_EQ(scene->text("sceneId"), "100");
    EXPECT_EQ(profile.locationCursor, 2);
    // Without a profile there is still a tutorial.
    PlayerProfiles::instance().select(-1);
    EXPECT_EQ(describe(take(flow().newGame())), "DialogScreen " + kDialogs + "Tutorial.xml 6666 -1 0 0");
}

TEST_F(MainMenuCommands, ContinueGoesBackToWhereTheProfileStands) {
    EXPECT_EQ(describe(take(flow().continueGame())), "mainMenu");
    PlayerProfile& profile = player({0, 5, 11, 2});
    EXPECT_EQ(describe(take(flow().continueGame())), "mainMenu");

    take(flow().nextScreen(false));
    SessionRecord& session = *profile.sessions[0];
    profile.currentScene = 205;
    // A location still open: its scene again.
    session.locations[0]->thirdFlag = true;
    session.locations[2]->thirdFlag = true;
    auto resumed = take(flow().continueGame());
    EXPECT_EQ(resumed->text("sceneId"), "205");
    EXPECT_EQ(resumed->text("mechanicsConf"), "mech_location05_past.xml");
    EXPECT_EQ(flow().position(), 0);
    EXPECT_EQ(profile.locationCursor, 2);

    // Every location done but a scene left to complete: the map.
    session.locations[1]->thirdFlag = true;
    for (const auto& location : session.locations) {
        location->present.completed = location->past.completed = true;
    }
    session.locations[2]->past.completed = false;
    EXPECT_EQ(describe(take(flow().continueGame())), "NewMapScreen");
    EXPECT_EQ(flow().position(), 0);

    // Everything completed: the next entry.
    session.locations[2]->past.completed = true;
    EXPECT_EQ(describe(take(flow().continueGame())), "MgPlaceHolder caption=FIRST configFile=first.xml type=MgPlaceHolder");
    EXPECT_EQ(flow().position(), 1);

    // A session id whose record is lost: the current entry is built again.
    profile.currentSession = 42;
    EXPECT_EQ(describe(take(flow().continueGame())), "MgPlaceHolder caption=FIRST configFile=first.xml type=MgPlaceHolder");
    EXPECT_EQ(flow().position(), 1);
}

TEST_F(MainMenuCommands, ContinueNeitherPlaysACompletedSceneAgainNorSkipsWhatFollowsASession) {
    flow().setScreenFactory(std::make_unique<RecordingScreenFactory>());
    PlayerProfile& profile = player({0, 5, 11, 2});
    take(flow().nextScreen(false));
    SessionRecord& session = *profile.sessions[0];
    // Left on the piece of the first location, the others not begun.
    session.locations[0]->present.completed = session.locations[0]->past.completed = true;
    session.locations[0]->thirdFlag = true;
    profile.currentScene = 200;
    EXPECT_EQ(describe(take(flow().continueGame())), "afterCompletedScene");
    EXPECT_EQ(flow().position(), 0);

    // Every scene completed and the game left on the minigame after the session: that minigame.
    for (const auto& location : session.locations) {
        location->present.completed = location->past.completed = location->thirdFlag = true;
    }
    profile.currentScene = -1;
    flow().setPosition(1);
    EXPECT_EQ(describe(take(flow().continueGame())), "MgPlaceHolder caption=FIRST configFile=first.xml type=MgPlaceHolder");
    EXPECT_EQ(flow().position(), 1);
    // Left on the ending: the ending again, not the entry after it.
    flow().setPosition(6);
    EXPECT_EQ(describe(take(flow().continueGame())),
              "DialogScreen content/story/dialogs/CutScene_6.xml  12abc x true 1");
    EXPECT_EQ(flow().position(), 6);
}

TEST_F(MainMenuCommands, AChosenLocationStartsAnUnplayedSessionOrResumesAStartedOne) {
    PlayerProfile& profile = player({0, 5, 11, 2, 8, 9});
    take(flow().nextScreen(false));
    // Untouched: the flow moves on to the next entry.
    auto next = take(flow().chooseLocation(105));
    EXPECT_EQ(flow().position(), 1);
    EXPECT_EQ(next->text("caption"), "FIRST");
    EXPECT_EQ(profile.currentScene, 105);

    // Played: the session resumes with the chosen scene.
    flow().setPosition(0);
    profile.sessions[0]->locations[1]->past.collectedItems.push_back({3, 4});
    auto scene = take(flow().chooseLocation(211));
    EXPECT_EQ(flow().position(), 0);
    EXPECT_EQ(scene->text("sceneId"), "211");
    EXPECT_EQ(scene->text("mechanicsConf"), "mech_location11_past.xml");
    EXPECT_EQ(profile.currentScene, 211);
    EXPECT_EQ(profile.sessions.size(), 1u);
}

}  // namespace
