#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/audio/catalogue/SfxContainer.hpp"
#include "engine/config/Config.hpp"
#include "engine/config/ConfigFile.hpp"
#include "engine/core/ContentPath.hpp"
#include "engine/core/RandomSource.hpp"
#include "engine/render/CpuTextureFactory.hpp"
#include "engine/screens/ScreenBase.hpp"
#include "support/RecordingScreenFactory.hpp"
#include "engine/widgets/WidgetManager.hpp"
#include "game/persistence/PlayerProfiles.hpp"
#include "game/scene/ChronaScene.hpp"
#include "game/scene/data/Item.hpp"
#include "game/scene/data/ItemRegistry.hpp"
#include "game/scene/data/SceneIndex.hpp"
#include "game/scene/renderers/ItemRenderer.hpp"
#include "game/scene/renderers/ItemRendererFactory.hpp"
#include "game/story/flow/GameFlow.hpp"
#include "game/story/flow/ScreenFactory.hpp"
#include "game/story/flow/ScreenTypes.hpp"
#include "support/LoggedSound.hpp"
#include "support/MouseEvents.hpp"
#include "support/TestApp.hpp"

// The recording factory with creators for the scenes, new locations and the
// main menu of the fixture's flow.
class RecordingFactory : public RecordingScreenFactory {
public:
    void registerCreators(GameFlow& flow) override {
        flow.registerCreator(ScreenTypes::Scene, [this](const FlowParameters& p) {
            return make("scene:" + p.text("sceneId"));
        });
        flow.registerCreator(ScreenTypes::NewLocation, [this](const FlowParameters& p) {
            return make("newLocation:" + p.text("sceneId"));
        });
        flow.registerCreator(ScreenTypes::MainMenu, [this](const FlowParameters&) { return make("mainMenu"); });
    }
};

// The time-travel fixture content: location 1 with 30 objects in its present
// (101) and past (201), ten goals a visit; a profile whose current session
// holds locations 1 and 2; a flow whose session entry resumes the current
// scene; and the recording factory.
class ChronaFixture : public ::testing::Test {
protected:
    void SetUp() override {
        Config::reset();
        Config::instance().setContentFolder(std::string(CHRONA_TEST_DATA_DIR) + "/chrona");
        ItemRegistry::reset();
        ItemRendererFactory::reset();
        SceneIndex::reset();
        SceneIndex::instance().load(ContentPath::resolve("content/config/scene/sceneIndex.xml"));
        PlayerProfiles::reset();
        GameFlow::reset();
        GameFlow::instance().load(ContentPath::resolve("content/config/GameFlow.xml"), SceneIndex::instance());
        auto recording = std::make_unique<RecordingFactory>();
        factory = recording.get();
        GameFlow::instance().setScreenFactory(std::move(recording));
        SfxContainer::reset();
        SfxContainer& sfx = SfxContainer::instance();
        sfx.setSoundFactory([this](const std::string& name) {
            return std::make_unique<LoggedSound>(name, sounds, name == "TIME_CHALLENGE_ENDED" ? EndSoundLength : 0);
        });
        for (const char* name : {"ITEM_COLLECTED", "VO_RUNE_COLLECTED", "ITEM_MISSED", "HINT_USED",
                                 "TIME_CHALLENGE_STARTED", "TIME_CHALLENGE_ENDED", "BUTTON_OVER_MAP_SCREEN"}) {
            sfx.registerFile(name, name);
        }
        parameters = std::make_unique<ConfigFile>(ContentPath::resolve("content/config/GameParameters.cfg"));
        PlayerProfiles& profiles = PlayerProfiles::instance();
        profiles.add("Ada");
        profiles.select(0);
        player = profiles.currentProfile();
        auto session = std::make_unique<SessionRecord>();
        session->id = 1;
        session->locations.push_back(std::make_unique<LocationEntry>(1));
        session->locations.push_back(std::make_unique<LocationEntry>(2));
        player->sessions.push_back(std::move(session));
        player->currentSession = 1;
        player->currentScene = 101;
    }
    void TearDown() override {
        app.leaveAllStates();
        GameFlow::reset();
        PlayerProfiles::reset();
        SfxContainer::reset();
        ItemRegistry::reset();
        ItemRendererFactory::reset();
        SceneIndex::reset();
        Config::reset();
    }

    // A scene on the stack, opened and past its enter transition.
    ChronaScene* open(int sceneId) {
        ChronaScene* scene = ChronaScene::forScene(sceneId);
        scene->setTextureFactory(std::make_unique<CpuTextureFactory>());
        scene->setRandomSource(&random);
        scene->setGameParameters(parameters.get());
        scene->setSaveAction([this] { ++saves; });
        app.startState(scene);
        run(1000);
        return scene;
    }
    void run(int milliseconds) {
        for (int t = 0; t < milliseconds; t += 16) {
            app.updateStates(16);
        }
    }
    SceneState& state(int sceneId) { return *player->currentSessionRecord()->findSceneState(sceneId); }
    std::string top() const {
        auto* screen = dynamic_cast<ScreenBase*>(app.topState());
        return screen ? screen->getName() : "";
    }
    // The goals the panel lets the player find now.
    std::vector<Item*> findable(int sceneId) const {
        std::vector<Item*> items;
        for (Item* item : ItemRegistry::instance().items(ItemRegistry::Goals, sceneId)) {
            if (item->getRenderer() && item->getRenderer()->isEnabled()) {
                items.push_back(item);
            }
        }
        return items;
    }
    void press(int x, int y) {
        clickAt([this](const MouseEvent& e) { app.deliverMouse(e); }, x, y);
        app.updateStates(16);
    }
    // The screen opened over the scene closes, as a menu or the map does
    // before it answers.
    void closeOverlay() { app.popState(); }
    void click(Item* item) {
        const IntRect& b = item->getRenderer()->getBounds();
        press(b.x + b.w / 2, b.y + b.h / 2);
    }
    // Finds count of the findable goals and lets their flights end.
    void find(int sceneId, int count) {
        for (int i = 0; i < count; ++i) {
            const std::vector<Item*> goals = findable(sceneId);
            ASSERT_FALSE(goals.empty()) << "no findable goal left after " << i;
            click(goals.front());
        }
        run(6000);
    }
    // An empty spot of the fixture scenes.
    void miss() { press(1000, 560); }

    TestApp app;
    SeededRandom random{11};
    std::vector<std::string> sounds;
    // The time challenge's end sound lasts this long; its device never says it stopped.
    static constexpr int EndSoundLength = 1500;
    RecordingFactory* factory = nullptr;
    std::unique_ptr<ConfigFile> parameters;
    PlayerProfile* player = nullptr;
    int saves = 0;
};
