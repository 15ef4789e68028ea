#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "engine/core/RandomSource.hpp"
#include "engine/persistence/FileSaveGame.hpp"
#include "game/persistence/GameSaveEntries.hpp"
#include "game/persistence/PlayerProfiles.hpp"
#include "game/scene/data/SceneIndex.hpp"
#include "game/story/pieces/PiecesFile.hpp"

namespace {

const std::string kData = CHRONA_TEST_DATA_DIR;

// Profiles over the test scene index (locations 3, 0, 12, 19) and pieces (0, 7, 9, 3).
void useTestContent(PlayerProfiles& profiles) {
    SceneIndex index;
    PiecesFile pieces;
    ASSERT_TRUE(index.load(kData + "/scene/sceneIndex.xml"));
    ASSERT_TRUE(pieces.load(kData + "/story/Pieces.xml"));
    profiles.setContent(index, pieces);
}

LocationEntry& addLocation(SessionRecord& session, int location) {
    session.locations.push_back(std::make_unique<LocationEntry>(location));
    return *session.locations.back();
}

SessionRecord& addSession(PlayerProfile& profile, int id) {
    profile.sessions.push_back(std::make_unique<SessionRecord>());
    profile.sessions.back()->id = id;
    return *profile.sessions.back();
}

}  // namespace

TEST(PlayerProfile, ANewProfileKeepsTheFirstLocationFirstAndShufflesTheRest) {
    PlayerProfiles profiles;
    SeededRandom random(1234);
    profiles.setRandomSource(random);
    useTestContent(profiles);

    const PlayerProfile& first = profiles.add("Ann");
    EXPECT_EQ(first.name, "Ann");
    EXPECT_EQ(first.flowPosition, 0);
    EXPECT_EQ(first.currentSession, -1);
    EXPECT_EQ(first.currentScene, -1);
    EXPECT_EQ(first.locationCursor, -1);
    EXPECT_EQ(first.pieceCursor, -1);
    EXPECT_EQ(first.reserved, -1);
    EXPECT_FALSE(first.started);
    EXPECT_EQ(first.sceneUse, (std::map<int, bool>{{100, false}, {103, false}, {112, false}, {203, false}, {219, false}}))
        << "ids outside 100..219 are no scenes of a location";

    std::set<std::vector<int>> locationOrders;
    std::set<std::vector<int>> pieceOrders;
    std::map<std::vector<int>, int> tailCounts;
    for (int i = 0; i < 6000; ++i) {
        PlayerProfile& p = profiles.add("P" + std::to_string(i));
        ASSERT_EQ(p.locationOrder.size(), 4u);
        EXPECT_EQ(p.locationOrder[0], 3) << "the index's first location is played first";
        std::vector<int> sorted = p.locationOrder;
        std::sort(sorted.begin(), sorted.end());
        EXPECT_EQ(sorted, (std::vector<int>{0, 3, 12, 19}));
        std::vector<int> pieces = p.pieceOrder;
        std::sort(pieces.begin(), pieces.end());
        EXPECT_EQ(pieces, (std::vector<int>{0, 3, 7, 9}));
        locationOrders.insert(p.locationOrder);
        pieceOrders.insert(p.pieceOrder);
        ++tailCounts[p.locationOrder];
    }
    EXPECT_EQ(locationOrders.size(), 6u) << "every order of the three later locations occurs";
    EXPECT_EQ(pieceOrders.size(), 24u);
    for (const auto& [order, count] : tailCounts) {
        EXPECT_GT(count, 850) << "the shuffle is uniform";
        EXPECT_LT(count, 1150) << "the shuffle is uniform";
    }

    PlayerProfiles empty;
    const PlayerProfile& bare = empty.add("Nobody");
    EXPECT_TRUE(bare.locationOrder.empty());
    EXPECT_TRUE(bare.pieceOrder.empty());
    EXPECT_TRUE(bare.sceneUse.empty());
}

TEST(PlayerProfile, ResetStartsThePlayThroughOverButKeepsThePieces) {
    PlayerProfiles profiles;
    SeededRandom random(7);
    profiles.setRandomSource(random);
    useTestContent(profiles);
    PlayerProfile& p = profiles.add("Ann");
    const std::vector<int> pieces = p.pieceOrder;
    p.flowPosition = 12;
    p.sceneCarryOver = 4;
    p.started = true;
    p.score = 900;
    p.currentSession = 2;
    p.currentScene = 103;
    p.locationCursor = 1;
    p.sceneUse[103] = true;
    p.pieceCursor = 2;
    p.piecesShown[7] = true;
    p.reserved = 5;
    addLocation(addSession(p, 2), 3);

    p.resetProgress(profiles.random());
    EXPECT_EQ(p.flowPosition, 0);
    EXPECT_EQ(p.sceneCarryOver, 0);
    EXPECT_FALSE(p.started);
    EXPECT_EQ(p.score, 0);
    EXPECT_EQ(p.currentSession, -1);
    EXPECT_EQ(p.currentScene, -1);
    EXPECT_EQ(p.locationCursor, -1);
    EXPECT_TRUE(p.sessions.empty());
    EXPECT_TRUE(p.piecesShown.empty());
    EXPECT_EQ(p.sceneUse.size(), 5u) << "the scene keys stay";
    EXPECT_FALSE(p.sceneUse[103]);
    EXPECT_EQ(p.locationOrder[0], 3);
    EXPECT_EQ(p.pieceOrder, pieces) << "pieces already handed out are not handed out again";
    EXPECT_EQ(p.pieceCursor, 2);
    EXPECT_EQ(p.reserved, 5);
    EXPECT_EQ(p.name, "Ann");
}

TEST(PlayerProfile, CompletionAndLocationFlagsFollowTheSessions) {
    PlayerProfiles profiles;
    PlayerProfile& p = profiles.add("Ann");
    EXPECT_EQ(p.currentSessionRecord(), nullptr);
    EXPECT_FALSE(p.isSceneCompleted(103));
    p.setLocationFlag(3, PlayerProfile::Flag::First, true);
    EXPECT_FALSE(p.locationFlag(3, PlayerProfile::Flag::First)) << "no session: nothing is set";

    SessionRecord& older = addSession(p, 1);
    LocationEntry& harbour = addLocation(older, 3);
    SessionRecord& current = addSession(p, 2);
    LocationEntry& mill = addLocation(current, 12);
    p.currentSession = 2;
    EXPECT_EQ(p.currentSessionRecord(), &current);
    EXPECT_EQ(current.findSceneState(212), &mill.past);
    EXPECT_EQ(current.findSceneState(103), nullptr);

    harbour.present.collectedItems = {{1, 2}};
    EXPECT_TRUE(p.isSceneCompleted(103)) << "any session counts";
    EXPECT_FALSE(p.isSceneCompleted(203));
    harbour.present.extraItems = {{5, 5}};
    EXPECT_FALSE(p.isSceneCompleted(103)) << "extras are still to find";
    harbour.present.extraItems.clear();
    harbour.present.goalItems = {{4, 4}};
    EXPECT_FALSE(p.isSceneCompleted(103)) << "goals are still open";
    mill.past.collectedItems = {{0, 212}};
    EXPECT_TRUE(p.isSceneCompleted(212));
    EXPECT_FALSE(p.isSceneCompleted(112)) << "the present scene has nothing found";

    p.setLocationFlag(12, PlayerProfile::Flag::First, true);
    p.setLocationFlag(12, PlayerProfile::Flag::Third, true);
    EXPECT_TRUE(mill.firstFlag);
    EXPECT_TRUE(mill.past.opened) << "an open portal opens the past scene";
    EXPECT_FALSE(mill.present.opened);
    EXPECT_FALSE(mill.secondFlag);
    EXPECT_TRUE(p.locationFlag(12, PlayerProfile::Flag::Third));
    EXPECT_FALSE(p.locationFlag(12, PlayerProfile::Flag::Second));
    p.setLocationFlag(3, PlayerProfile::Flag::Second, true);
    EXPECT_FALSE(harbour.secondFlag) << "only locations of the current session";
}

TEST(PlayerProfiles, SelectRemoveAndNameChecks) {
    PlayerProfiles profiles;
    int flowPosition = 0;
    profiles.linkFlowPosition([&] { return flowPosition; }, [&](int p) { flowPosition = p; });
    EXPECT_EQ(profiles.currentProfile(), nullptr);
    profiles.add("Ann").flowPosition = 4;
    profiles.add("Bo").flowPosition = 9;
    profiles.add("Cy");

    profiles.select(1);
    EXPECT_EQ(profiles.currentProfile()->name, "Bo");
    EXPECT_EQ(flowPosition, 9) << "the flow moves to the selected player's place";
    profiles.select(7);
    EXPECT_EQ(profiles.currentIndex(), -1);
    EXPECT_EQ(profiles.currentProfile(), nullptr);

    profiles.select(2);
    profiles.remove(0);
    EXPECT_EQ(profiles.currentIndex(), 1) << "deleting one before the current shifts it down";
    EXPECT_EQ(profiles.currentProfile()->name, "Cy");
    profiles.remove(5);
    EXPECT_EQ(profiles.count(), 2);
    profiles.remove(1);
    EXPECT_EQ(profiles.currentIndex(), -1) << "deleting the current leaves none";
    EXPECT_EQ(profiles.count(), 1);

    using Check = PlayerProfiles::NameCheck;
    const std::string prompt = "Enter your name";
    EXPECT_EQ(profiles.checkName("", prompt, false), Check::Invalid);
    EXPECT_EQ(profiles.checkName(prompt, prompt, false), Check::Invalid);
    EXPECT_EQ(profiles.checkName("Bo", prompt, false), Check::Exists);
    EXPECT_EQ(profiles.checkName("Bo", prompt, true), Check::Invalid);
    EXPECT_EQ(profiles.checkName("bo", prompt, false), Check::Valid) << "names compare case-sensitively";
    EXPECT_EQ(profiles.checkName("Dee", prompt, true), Check::Valid);
}

TEST(PlayerProfiles, TheSaveStoreAdoptsTheProcessWideInstance) {
    PlayerProfiles::reset();
    ASSERT_FALSE(PlayerProfiles::hasInstance());
    {
        FileSaveGame store("", nullptr);
        PlayerProfiles::instance().add("Ann");
        GameSaveEntries::registerAll(store, 75, 50);
        EXPECT_EQ(store.findEntry(GameSaveEntries::kPlayerProfiles), &PlayerProfiles::instance());
        EXPECT_EQ(PlayerProfiles::instance().count(), 1) << "an existing instance is registered, not replaced";
    }
    EXPECT_FALSE(PlayerProfiles::hasInstance()) << "the store ends the profiles with it";
    EXPECT_EQ(PlayerProfiles::instance().count(), 0);
    PlayerProfiles::reset();
}
