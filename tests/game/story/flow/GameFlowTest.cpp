// The flow's list, its creators and parameter rules, and the game part
// sessions that hand out the profile's locations.
#include <algorithm>
#include <fstream>

#include "FlowFixture.hpp"
#include "game/story/flow/AnimationRequest.hpp"
#include "game/story/flow/DialogRequest.hpp"
#include "game/story/flow/SceneRequest.hpp"
#include "support/LogCapture.hpp"
#include "support/ScratchFolder.hpp"

namespace {

using FlowList = FlowFixture;

TEST_F(FlowList, BadFilesAreReportedOnceWithTheirLineAndLeaveAnEmptyFlow) {
    const std::string folder = scratchFolder("gameflow");
    const std::vector<std::pair<std::string, std::string>> files = {
        {"empty.xml", ""},
        {"cut.xml", "<GameFlow>\n  <Screen type=\"mainMenu\"/>\n  <Screen type=\"sce"},
        {"root.xml", "<?xml version=\"1.0\"?>\n<Flow>\n  <Screen type=\"mainMenu\"/>\n</Flow>\n"},
        {"none.xml", "<GameFlow>\n  <Other type=\"mainMenu\"/>\n</GameFlow>\n"},
    };
    for (const auto& [name, text] : files) {
        std::ofstream(folder + name) << text;
    }
    LogCapture log;
    for (const std::string name : {"missing.xml", "empty.xml", "cut.xml", "root.xml", "none.xml"}) {
        flow().load(folder + name, index_);
        EXPECT_TRUE(flow().entries().empty()) << name;
        EXPECT_EQ(flow().nextScreen(false), nullptr) << name;
        const auto lines = log.take();
        ASSERT_EQ(lines.size(), 1u) << name;
        EXPECT_EQ(lines[0].rfind(folder + name, 0), 0u) << lines[0];
    }
    flow().load(folder + "cut.xml", index_);
    EXPECT_NE(log.takeText().find("cut.xml:3: "), std::string::npos);
    flow().load(folder + "root.xml", index_);
    EXPECT_NE(log.takeText().find("root.xml:2: the root element is Flow, not GameFlow"), std::string::npos);
}

TEST_F(FlowList, FaultyEntriesAreReportedAndKeptInPlace) {
    LogCapture log;
    ASSERT_TRUE(flow().load(data("faults.xml"), index_));
    const std::string file = data("faults.xml");
    const std::vector<std::string> expected = {
        file + ":4: the screen type \"Cinema\" is unknown",
        file + ":5: the DialogScreen lacks fileName",
        file + ":6: the scene id 150 is not in the scene index",
        file + ":7: the Screen lacks type",
        file + ":8: the session id 1 is used twice: the later session would resume the earlier one",
    };
    EXPECT_EQ(log.lines(), expected);
    // Saved positions keep pointing at the same entries.
    ASSERT_EQ(flow().entries().size(), 8u);
    EXPECT_EQ(flow().entries()[1].type, "Cinema");
    EXPECT_EQ(flow().entries()[4].type, "");
    EXPECT_EQ(flow().entries()[7].parameters.text("fileName"), "content/story/dialogs/CutScene_1.xml");
    EXPECT_EQ(flow().entries()[6].line, 9);
    // An unknown type and a dialogue without file build nothing.
    flow().setPosition(1);
    EXPECT_EQ(flow().nextScreen(false), nullptr);
    flow().registerCreator(ScreenTypes::DialogScreen, [](const FlowParameters& parameters) -> ScreenBase* {
        return DialogRequest::read(parameters) ? new FakeScreen(ScreenTypes::DialogScreen, parameters) : nullptr;
    });
    EXPECT_EQ(flow().nextScreen(true), nullptr);
    EXPECT_NE(take(flow().createScreen(ScreenTypes::DialogScreen, flow().entries()[7].parameters)), nullptr);
}

TEST_F(FlowList, EntriesBuildTheirScreensInOrderUntilTheEnd) {
    flow().load(data("sessions.xml"), index_);
    EXPECT_EQ(log_.take(), std::vector<std::string>{data("sessions.xml") + ":11: the screen type \"Unbuilt\" is unknown"});
    ASSERT_EQ(flow().entries().size(), 9u);
    flow().setPosition(1);
    auto first = take(flow().nextScreen(false));
    auto again = take(flow().nextScreen(false));
    auto second = take(flow().nextScreen(true));
    ASSERT_TRUE(first && again && second);
    // Asking twice without advancing builds two screens of one entry.
    EXPECT_NE(first.get(), again.get());
    EXPECT_EQ(again->text("caption"), "FIRST");
    // Two entries of one type keep their own parameters, the type included.
    EXPECT_EQ(first->type(), ScreenTypes::MgPlaceHolder);
    EXPECT_EQ(first->text("configFile"), "first.xml");
    EXPECT_EQ(second->text("caption"), "SECOND");
    EXPECT_EQ(second->text("configFile"), "<absent>");
    EXPECT_EQ(second->text("type"), "MgPlaceHolder");
    EXPECT_EQ(flow().position(), 2);

    // The last entry has a type without creator; past it there is nothing.
    flow().setPosition(7);
    EXPECT_EQ(take(flow().nextScreen(false))->type(), ScreenTypes::Scene);
    EXPECT_EQ(flow().nextScreen(true), nullptr);
    EXPECT_EQ(flow().nextScreen(true), nullptr);
    EXPECT_EQ(flow().position(), 9);
    EXPECT_EQ(flow().nextScreen(false), nullptr);
    flow().setPosition(-1);
    EXPECT_EQ(flow().nextScreen(false), nullptr);
}

TEST_F(FlowList, CreatorsAreFoundByTypeNameAndReadTheirDefaults) {
    EXPECT_EQ(flow().createScreen("Unbuilt", FlowParameters()), nullptr);
    EXPECT_TRUE(flow().hasCreator(ScreenTypes::GamePartSession));
    FlowParameters given;
    given.set("caption", "HELLO");
    flow().registerCreator("Unbuilt", [](const FlowParameters& p) { return new FakeScreen("replaced", p); });
    auto built = take(flow().createScreen("Unbuilt", given));
    ASSERT_TRUE(built);
    EXPECT_EQ(built->type(), "replaced");
    EXPECT_EQ(built->text("caption"), "HELLO");

    flow().load(data("sessions.xml"), index_);
    const auto& entries = flow().entries();
    const AnimationRequest animation = AnimationRequest::read(entries[4].parameters);
    EXPECT_EQ(animation.configPath, "MOCK");
    EXPECT_EQ(animation.subtitles, "");
    EXPECT_EQ(animation.music, -1);
    FlowParameters animationGiven;
    animationGiven.set("configPath", "a.xml");
    animationGiven.set("subtitles", "SUB");
    animationGiven.set("music", "9");
    const AnimationRequest chosen = AnimationRequest::read(animationGiven);
    EXPECT_EQ(chosen.configPath + chosen.subtitles + std::to_string(chosen.music), "a.xmlSUB9");

    const auto dialog = DialogRequest::read(entries[6].parameters);
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog->musicId, 12);
    EXPECT_EQ(dialog->loopMusic, 0);
    EXPECT_TRUE(dialog->justPlayAnimation);
    EXPECT_FALSE(dialog->noPushOnLeave);  // only "1" sets a flag
    FlowParameters bare;
    bare.set("fileName", "");
    const auto defaults = DialogRequest::read(bare);
    ASSERT_TRUE(defaults);
    EXPECT_EQ(defaults->musicId, -1);
    EXPECT_EQ(defaults->loopMusic, -1);
    EXPECT_FALSE(defaults->justPlayAnimation);
    EXPECT_FALSE(DialogRequest::read(FlowParameters()));

    const SceneRequest scene = SceneRequest::read(entries[7].parameters);
    EXPECT_EQ(scene.sceneId, 107);
    EXPECT_EQ(scene.mechanicsConf, "custom.xml");
    EXPECT_EQ(scene.configPath + scene.itemGroupConf + scene.itemRendererConf, "");
    EXPECT_EQ(SceneRequest::read(FlowParameters()).sceneId, 0);
    FlowParameters odd;
    odd.set("sceneId", "abc");
    EXPECT_EQ(SceneRequest::read(odd).sceneId, 0);
    odd.set("sceneId", " -7x");
    EXPECT_EQ(SceneRequest::read(odd).sceneId, -7);
}

using GamePartSession = FlowFixture;

TEST_F(GamePartSession, ANewSessionTakesTheNextLocationsAResumeTakesNone) {
    PlayerProfile& profile = player({0, 4, 11, 2, 9, 7});
    flow().load(data("sessions.xml"), index_);

    auto scene = take(flow().nextScreen(false));
    ASSERT_TRUE(scene);
    EXPECT_EQ(scene->type(), ScreenTypes::Scene);
    EXPECT_EQ(scene->text("sceneId"), "100");
    EXPECT_EQ(scene->text("mechanicsConf"), "mech_location00_present.xml");
    EXPECT_EQ(scene->text("itemGroupConf"), "Groups.xml");
    EXPECT_EQ(scene->text("configPath"), "content/config/scene/");
    EXPECT_EQ(profile.currentSession, 1);
    EXPECT_EQ(profile.locationCursor, 2);
    ASSERT_EQ(profile.sessions.size(), 1u);
    const SessionRecord& first = *profile.sessions[0];
    ASSERT_EQ(first.locations.size(), 3u);
    EXPECT_EQ(first.locations[1]->location, 4);
    EXPECT_EQ(first.locations[2]->present.sceneId, 111);
    EXPECT_EQ(first.locations[2]->past.sceneId, 211);
    EXPECT_TRUE(profile.sceneUse[104] && profile.sceneUse[211]);
    EXPECT_FALSE(profile.sceneUse[102] || profile.sceneUse[202]);

    // Resuming, even with every location finished, rebuilds the current scene.
    for (const auto& location : first.locations) {
        location->present.completed = location->past.completed = true;
        location->thirdFlag = true;
    }
    profile.currentScene = 211;
    scene = take(flow().nextScreen(false));
    EXPECT_EQ(scene->text("sceneId"), "211");
    EXPECT_EQ(scene->text("mechanicsConf"), "mech_location11_past.xml");
    EXPECT_EQ(profile.locationCursor, 2);
    EXPECT_EQ(profile.sessions.size(), 1u);

    // Another session id starts a new session from the cursor on.
    flow().setPosition(3);
    scene = take(flow().nextScreen(false));
    EXPECT_EQ(scene->text("sceneId"), "102");
    EXPECT_EQ(scene->text("mechanicsConf"), "mech_location02_present.xml");
    EXPECT_EQ(profile.currentSession, 2);
    EXPECT_EQ(profile.locationCursor, 4);
    ASSERT_EQ(profile.sessions.size(), 2u);
    EXPECT_EQ(profile.sessions[1]->locations.size(), 2u);
    EXPECT_EQ(profile.sessions[1]->locations[1]->location, 9);
    EXPECT_EQ(profile.currentSessionRecord(), profile.sessions[1].get());

    // Twenty locations asked, one left: the order is not read past its end.
    flow().setPosition(5);
    scene = take(flow().nextScreen(false));
    EXPECT_EQ(scene->text("sceneId"), "107");
    EXPECT_EQ(profile.locationCursor, 5);
    EXPECT_EQ(profile.sessions[2]->locations.size(), 1u);
    // With the order used up, a new session records itself and builds nothing.
    profile.currentSession = 9;
    EXPECT_EQ(flow().nextScreen(false), nullptr);
    EXPECT_EQ(profile.currentSession, 3);
    EXPECT_EQ(profile.sessions.size(), 4u);
    EXPECT_EQ(profile.currentScene, 107);
}

TEST_F(GamePartSession, LocationsFollowEachProfilesOwnShuffledOrder) {
    flow().load(data("sessions.xml"), index_);
    auto handedOut = [&](PlayerProfile& profile) {
        take(flow().nextScreen(false));
        std::vector<int> locations;
        for (const auto& location : profile.sessions.back()->locations) {
            locations.push_back(location->location);
        }
        return locations;
    };
    PlayerProfile& first = player();
    const std::vector<int> firstOrder = first.locationOrder;
    const std::vector<int> firstLocations = handedOut(first);
    PlayerProfile& second = player();
    const std::vector<int> secondLocations = handedOut(second);
    ASSERT_EQ(firstOrder.size(), 13u);
    EXPECT_EQ(firstLocations, std::vector<int>(firstOrder.begin(), firstOrder.begin() + 3));
    EXPECT_EQ(firstLocations[0], 0);
    EXPECT_EQ(secondLocations[0], 0);
    EXPECT_NE(first.locationOrder, second.locationOrder);
    // The same seed gives the same order: runs repeat.
    SeededRandom again(1234);
    PlayerProfiles::reset();
    PlayerProfiles::instance().setRandomSource(again);
    PlayerProfiles::instance().setContent(index_, PiecesFile());
    EXPECT_EQ(player().locationOrder, firstOrder);
}

TEST_F(GamePartSession, NothingIsHandedOutWithoutACurrentProfile) {
    flow().load(data("sessions.xml"), index_);
    EXPECT_EQ(flow().nextScreen(false), nullptr);
    PlayerProfile& profile = player();
    PlayerProfiles::instance().select(-1);
    EXPECT_EQ(flow().nextScreen(false), nullptr);
    EXPECT_TRUE(profile.sessions.empty());
}

TEST_F(GamePartSession, TheProfilesCarryTheFlowPosition) {
    GameFlow::linkProfiles(PlayerProfiles::instance());
    PlayerProfile& ada = player();
    PlayerProfile& bob = player();
    ada.flowPosition = 6;
    bob.flowPosition = 2;
    PlayerProfiles::instance().select(0);
    EXPECT_EQ(flow().position(), 6);
    // The link reaches whatever instance is live, not the one it was made with.
    GameFlow::reset();
    PlayerProfiles::instance().select(1);
    EXPECT_EQ(flow().position(), 2);
}

}  // namespace
