// The shipped GameFlow.xml, walked from a new game to the progress screen the
// way the screens hand over, with fake screens: every location is handed out
// once in each era, a minigame lies between sessions, and each of the six
// story cut-scenes is met once, in order.
#include <set>

#include "FlowFixture.hpp"

namespace {

const std::string kContent = CHRONA_CONTENT_DIR;

class DefaultFlow : public FlowFixture {
protected:
    void SetUp() override {
        FlowFixture::SetUp();
        ASSERT_TRUE(index_.load(kContent + "/config/scene/sceneIndex.xml"));
        PlayerProfiles::instance().setContent(index_, PiecesFile());
        ASSERT_TRUE(flow().load(kContent + "/config/GameFlow.xml", index_));
    }
};

TEST_F(DefaultFlow, LoadsWithoutAProblem) {
    EXPECT_EQ(log_.takeText(), "");
    EXPECT_GE(flow().entries().size(), 12u);
}

TEST_F(DefaultFlow, ANewGameWalksEveryLocationOnceToTheEnd) {
    PlayerProfile& profile = player();
    ASSERT_EQ(profile.locationOrder.size(), 20u);
    std::multiset<int> present;
    std::multiset<int> past;
    std::vector<std::string> dialogues;
    std::vector<std::string> steps;  // what followed each session
    std::unique_ptr<FakeScreen> screen = take(flow().newGame());
    int sessions = 0;
    for (int guard = 0; screen && screen->type() != ScreenTypes::PlayerProgress && guard < 200; ++guard) {
        const std::string type = screen->type();
        if (type == ScreenTypes::DialogScreen) {
            dialogues.push_back(screen->text("fileName"));
            screen = take(flow().afterDialogue(screen->text("fileName"), 0));
        } else if (type == ScreenTypes::NewLocation) {
            // The new location is the one the next session starts with.
            const std::string announced = screen->text("sceneId");
            screen = take(flow().nextScreen(screen->text("advance") == "1"));
            ASSERT_TRUE(screen);
            EXPECT_EQ(screen->text("sceneId"), announced);
        } else if (type == ScreenTypes::Scene) {
            // The scene plays every location of its session in both eras,
            // then the session is over.
            ++sessions;
            EXPECT_EQ(screen->text("mechanicsConf"), "mech_location" +
                                                         std::string(profile.currentScene < 110 ? "0" : "") +
                                                         std::to_string(profile.currentScene - 100) + "_present.xml");
            for (const auto& location : profile.currentSessionRecord()->locations) {
                present.insert(location->present.sceneId);
                past.insert(location->past.sceneId);
                EXPECT_TRUE(index_.find(location->present.sceneId) && index_.find(location->past.sceneId));
            }
            screen = take(flow().nextScreen(true));
            steps.push_back(screen ? screen->type() : "none");
        } else {
            ASSERT_NE(type.rfind("Mg", 0), std::string::npos) << type;
            screen = take(flow().nextScreen(true));
        }
    }
    ASSERT_TRUE(screen);
    EXPECT_EQ(screen->type(), ScreenTypes::PlayerProgress);
    EXPECT_EQ(present.size(), 20u);
    EXPECT_EQ(std::set<int>(present.begin(), present.end()).size(), 20u);
    EXPECT_EQ(*present.begin(), 100);
    EXPECT_EQ(*present.rbegin(), 119);
    EXPECT_EQ(std::set<int>(past.begin(), past.end()).size(), 20u);
    EXPECT_EQ(*past.begin(), 200);
    EXPECT_EQ(*past.rbegin(), 219);
    for (const auto& [id, used] : profile.sceneUse) {
        EXPECT_TRUE(used) << id;
    }
    EXPECT_EQ(sessions, 6);
    const std::vector<std::string> afterSessions = {"MgKlotsky", "MgMemory", "MgConcentricDials", "MgShooter",
                                                    "MgKlotsky", "DialogScreen"};
    EXPECT_EQ(steps, afterSessions);
    std::vector<std::string> cutScenes;
    for (const std::string& dialogue : dialogues) {
        if (dialogue.find("CutScene_") != std::string::npos) {
            cutScenes.push_back(dialogue);
        }
    }
    ASSERT_EQ(cutScenes.size(), 6u);
    for (int n = 1; n <= 6; ++n) {
        EXPECT_EQ(cutScenes[static_cast<std::size_t>(n - 1)],
                  "content/story/dialogs/CutScene_" + std::to_string(n) + ".xml");
    }
    EXPECT_EQ(dialogues.front(), "content/story/dialogs/Tutorial.xml");
    EXPECT_EQ(dialogues.back(), "content/animations/CutScenes/Outro/Sequence03/Sequence03.xml");
}

}  // namespace
