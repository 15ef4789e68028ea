#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/core/RandomSource.hpp"
#include "game/persistence/LocationEntry.hpp"
#include "game/persistence/PlayerProfile.hpp"
#include "game/persistence/SessionRecord.hpp"
#include "game/story/map/MapFile.hpp"
#include "game/story/map/MapPins.hpp"
#include "support/LogCapture.hpp"
#include "tests/game/story/StorySessions.hpp"

namespace {

const std::string kData = std::string(CHRONA_TEST_DATA_DIR) + "/story/";

// A profile in its first session with the locations given, all untouched.
struct Journey {
    Journey() : player("Ada", {}, {}, random) { startSession(player, 1, {0, 1, 2}); }
    LocationEntry& location(int n) { return *player.sessions.front()->locations.at(static_cast<std::size_t>(n)); }

    SeededRandom random{5};
    PlayerProfile player;
};

void finish(SceneState& state) {
    state.collectedItems = {{1, 0}, {2, 0}};
    state.goalItems.clear();
    state.completed = true;
}

void begin(SceneState& state) {
    state.collectedItems = {{1, 0}};
    state.goalItems = {{2, 0}};
}

}  // namespace

TEST(MapFile, SkipsEveryBrokenPinWithOneLineAndKeepsTheRest) {
    LogCapture said;
    MapFile map;
    EXPECT_TRUE(map.load(kData + "MapBroken.xml"));
    EXPECT_EQ(map.path(), "content/images/map/locations/");
    ASSERT_EQ(map.pins().size(), 2u);
    EXPECT_EQ(map.pins()[0].sceneId, 100);
    EXPECT_EQ(map.pins()[0].normal, "Location00.png");
    EXPECT_EQ(map.pins()[0].highlighted, "Location00_O.png");
    EXPECT_EQ(map.pins()[1].sceneId, 200);
    EXPECT_EQ(map.pins()[1].x, 431);
    EXPECT_EQ(map.pins()[1].y, 331);
    EXPECT_EQ(map.pins()[1].line, 8);
    ASSERT_NE(map.find(200), nullptr);
    EXPECT_EQ(map.find(101), nullptr);
    const std::vector<std::string> lines = said.take();
    ASSERT_EQ(lines.size(), 3u) << "absent sceneId, negative sceneId, no buttonO";
    EXPECT_NE(lines[0].find("MapBroken.xml:5:"), std::string::npos) << lines[0];
    EXPECT_NE(lines[1].find("MapBroken.xml:6:"), std::string::npos) << lines[1];
    EXPECT_NE(lines[2].find("MapBroken.xml:7: the Button of scene 102 lacks buttonO"), std::string::npos) << lines[2];

    EXPECT_FALSE(map.load(kData + "MapNoButtons.xml"));
    EXPECT_TRUE(map.pins().empty());
    const std::vector<std::string> none = said.take();
    ASSERT_EQ(none.size(), 1u);
    EXPECT_NE(none[0].find("MapNoButtons.xml:2: the MapScreen has no Buttons"), std::string::npos) << none[0];

    EXPECT_FALSE(map.load(kData + "absent-map.xml"));
    EXPECT_EQ(said.take().size(), 1u);
}

TEST(MapPins, ColourEachPinByTheProgressOfItsScene) {
    Journey journey;
    finish(journey.location(0).present);
    begin(journey.location(0).past);
    begin(journey.location(1).present);
    begin(journey.location(1).past);
    using MapPins::Look;
    auto look = [&](int scene, int mode = MapPins::NormalMode) { return MapPins::choose(&journey.player, scene, mode); };

    EXPECT_EQ(look(100).look, Look::CheckMark);
    EXPECT_TRUE(look(100).active);
    EXPECT_EQ(look(201).look, Look::Yellow);
    EXPECT_FALSE(look(201).active) << "a past scene in progress is reached through its present scene";
    EXPECT_EQ(look(101).look, Look::Yellow);
    EXPECT_TRUE(look(101).active);
    EXPECT_EQ(look(200).look, Look::Yellow);
    EXPECT_TRUE(look(200).active) << "with its present completed, only the map leads to an unfinished past";
    EXPECT_EQ(look(202).look, Look::Red);
    EXPECT_TRUE(look(202).highlighted);
    EXPECT_EQ(look(102).look, Look::Red);
    EXPECT_EQ(look(105).look, Look::None) << "not in the current session";

    finish(journey.location(0).past);
    EXPECT_EQ(look(200).look, Look::CheckMark);
    EXPECT_FALSE(look(200).active);

    // Everything found in the visit that earned the badge: the present
    // completes on its next visit, so the map must still offer it (the
    // player continuing after a crash is sent to the map for it).
    journey.location(0).present.completed = false;
    EXPECT_EQ(look(100).look, Look::Yellow);
    EXPECT_TRUE(look(100).active);

    EXPECT_EQ(look(105, MapPins::AllPinsMode).look, Look::Green);
    EXPECT_EQ(look(101, MapPins::AllCheckedMode).look, Look::CheckMark);
    EXPECT_EQ(MapPins::choose(nullptr, 100, MapPins::NormalMode).look, Look::None);

    EXPECT_TRUE(MapPins::isShownIn(MapPins::PresentView, 119));
    EXPECT_FALSE(MapPins::isShownIn(MapPins::PresentView, 200));
    EXPECT_TRUE(MapPins::isShownIn(MapPins::PastView, 200));
    EXPECT_FALSE(MapPins::isShownIn(MapPins::PastView, 100));
    EXPECT_STREQ(MapPins::textureKey(Look::Red), "MAP_PINPOINT_RED");
    EXPECT_EQ(MapPins::textureKey(Look::None), nullptr);
}
