#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "engine/core/RandomSource.hpp"
#include "engine/screens/ScreenBase.hpp"
#include "game/persistence/PlayerProfiles.hpp"
#include "game/scene/data/SceneIndex.hpp"
#include "game/story/flow/GameFlow.hpp"
#include "game/story/flow/ScreenTypes.hpp"
#include "game/story/pieces/PiecesFile.hpp"
#include "support/FakeScreen.hpp"
#include "support/LogCapture.hpp"

// A fresh flow and fresh profiles over the thirteen-location test index,
// with a fake creator for every screen type but the game part session.
class FlowFixture : public ::testing::Test {
protected:
    static std::string data(const std::string& name) { return std::string(CHRONA_TEST_DATA_DIR) + "/story/flow/" + name; }

    void SetUp() override {
        GameFlow::reset();
        PlayerProfiles::reset();
        index_.load(data("sceneIndex.xml"));
        PlayerProfiles::instance().setRandomSource(random_);
        PlayerProfiles::instance().setContent(index_, PiecesFile());
        for (const char* type : {ScreenTypes::Scene, ScreenTypes::MainMenu, ScreenTypes::MgMemory,
                                 ScreenTypes::MgKlotsky, ScreenTypes::MgConcentricDials, ScreenTypes::MgShooter,
                                 ScreenTypes::MgPlaceHolder, ScreenTypes::CutscenePlaceHolder, ScreenTypes::Animation,
                                 ScreenTypes::DialogScreen, ScreenTypes::Map, ScreenTypes::NewLocation,
                                 ScreenTypes::PlayerProfilesMenu, ScreenTypes::PlayerProgress}) {
            flow().registerCreator(type, [type](const FlowParameters& parameters) {
                return new FakeScreen(type, parameters);
            });
        }
    }
    void TearDown() override {
        GameFlow::reset();
        PlayerProfiles::reset();
    }

    static GameFlow& flow() { return GameFlow::instance(); }

    // A current profile named "Ada" with the given location order.
    PlayerProfile& player(std::vector<int> order = {}) {
        PlayerProfiles& profiles = PlayerProfiles::instance();
        PlayerProfile& profile = profiles.add("Ada");
        if (!order.empty()) {
            profile.locationOrder = std::move(order);
        }
        profiles.select(profiles.count() - 1);
        return profile;
    }

    // Takes ownership of a built screen; fails the test when it is no fake.
    static std::unique_ptr<FakeScreen> take(ScreenBase* screen) {
        auto* fake = dynamic_cast<FakeScreen*>(screen);
        EXPECT_EQ(fake == nullptr, screen == nullptr) << "a screen not built by a fake creator";
        return std::unique_ptr<FakeScreen>(fake);
    }

    LogCapture log_;
    SceneIndex index_;
    SeededRandom random_{1234};
};
