#include "game/app/GameScreens.hpp"

#include <string>

#include "engine/app/GameApp.hpp"
#include "engine/config/Config.hpp"
#include "engine/resources/ResourceManager.hpp"
#include "game/app/MyApp.hpp"
#include "game/menus/InGameMenu.hpp"
#include "game/menus/MainMenu.hpp"
#include "game/menus/NewQuitDialogScreen.hpp"
#include "game/menus/OptionsMenu.hpp"
#include "game/minigames/MgPlaceHolder.hpp"
#include "game/minigames/dials/MgConcentricDials.hpp"
#include "game/minigames/klotsky/MgKlotsky.hpp"
#include "game/minigames/memory/MgMemory.hpp"
#include "game/minigames/shooter/MgShooter.hpp"
#include "game/persistence/PlayerProfiles.hpp"
#include "game/persistence/screens/PlayerProfilesMenu.hpp"
#include "game/scene/ChronaScene.hpp"
#include "game/story/cutscenes/AnimationScreen.hpp"
#include "game/story/cutscenes/CreditsScreen.hpp"
#include "game/story/cutscenes/CutscenePlaceHolder.hpp"
#include "game/story/cutscenes/LogoSeqManager.hpp"
#include "game/story/cutscenes/SceneIntro.hpp"
#include "game/story/dialogue/DialogScreen.hpp"
#include "game/story/flow/DialogRequest.hpp"
#include "game/story/flow/GameFlow.hpp"
#include "game/story/flow/ScreenTypes.hpp"
#include "game/story/map/MapPins.hpp"
#include "game/story/map/NewLocationScreen.hpp"
#include "game/story/map/NewMapScreen.hpp"
#include "game/story/pieces/LumoraPieceFoundScreen.hpp"
#include "game/story/pieces/PieceStory.hpp"
#include "game/story/pieces/PlayerProgressScreen.hpp"

namespace {

ScreenBase* dialogue(const FlowParameters& parameters) {
    const std::optional<DialogRequest> request = DialogRequest::read(parameters);
    return request ? new DialogScreen(*request) : nullptr;
}

ScreenBase* newLocation(const FlowParameters& parameters) {
    return new NewLocationScreen(std::string(), parameters.number("sceneId", -1), parameters.number("musicId", -1),
                                 parameters.flag("advance"));
}

ScreenBase* timeTravelScene(const FlowParameters& parameters) {
    ChronaScene* scene = ChronaScene::fromParameters(parameters);
    if (const MyApp* app = myApp()) {
        scene->drawChoicesFrom(app->getRunSeed());
    }
    return scene;
}

}  // namespace

void GameScreens::registerCreators(GameFlow& flow) {
    flow.registerCreator(ScreenTypes::Scene, [](const FlowParameters& p) { return timeTravelScene(p); });
    flow.registerCreator(ScreenTypes::MgConcentricDials,
                         [](const FlowParameters& p) { return new MgConcentricDials(p.text("configFile")); });
    flow.registerCreator(ScreenTypes::MgMemory,
                         [](const FlowParameters& p) { return new MgMemory(p.text("configFile")); });
    flow.registerCreator(ScreenTypes::MgKlotsky,
                         [](const FlowParameters& p) { return new MgKlotsky(p.text("configFile")); });
    flow.registerCreator(ScreenTypes::MgShooter, [](const FlowParameters&) { return new MgShooter(); });
    flow.registerCreator(ScreenTypes::MgPlaceHolder,
                         [](const FlowParameters& p) { return new MgPlaceHolder(p.text("caption")); });
    flow.registerCreator(ScreenTypes::CutscenePlaceHolder,
                         [](const FlowParameters& p) { return new CutscenePlaceHolder(p.text("caption")); });
    flow.registerCreator(ScreenTypes::Animation,
                         [](const FlowParameters& p) { return new AnimationScreen(AnimationRequest::read(p)); });
    flow.registerCreator(ScreenTypes::DialogScreen, dialogue);
    flow.registerCreator(ScreenTypes::Map, [this](const FlowParameters&) {
        return map(nullptr, MapPins::PresentView, MapPins::NormalMode);
    });
    flow.registerCreator(ScreenTypes::NewLocation, newLocation);
    flow.registerCreator(ScreenTypes::PlayerProgress, [](const FlowParameters& p) {
        return new PlayerProgressScreen(std::string(), p.flag("overlay"));
    });
    flow.registerCreator(ScreenTypes::MainMenu, [this](const FlowParameters&) { return mainMenu(); });
    flow.registerCreator(ScreenTypes::PlayerProfilesMenu, [this](const FlowParameters&) { return profilesMenu(); });
}

ScreenBase* GameScreens::logos() {
    return new LogoSeqManager(Config::instance().getLogoScreens());
}

ScreenBase* GameScreens::map(NewMapScreenListener* listener, int view, int mode) {
    introducedScene_ = -1;
    return new NewMapScreen(listener, view, mode);
}

ScreenBase* GameScreens::pieceFound(int location) {
    // After a scene the frozen picture of it and its unlocked piece stand
    // behind the painting until the piece screen takes them over.
    MyApp* app = myApp();
    if (location >= 0 && app) {
        ResourceManager* global = app->getResourceManager();
        app->setBackdrop(global->getTexture(LumoraPieceFoundScreen::GrabKey));
        app->setOverlay(global->getTexture(LumoraPieceFoundScreen::UnlockedKey));
    }
    return new LumoraPieceFoundScreen(location < 0, location);
}

ScreenBase* GameScreens::afterCompletedScene() {
    return PieceStory::afterCompletedScene();
}

ScreenBase* GameScreens::sceneIntro(int sceneId, SceneIntroListener* listener) {
    // A scene built again to go on with its next step opens without its
    // caption, and one reached through the portal opens in the portal's spiral.
    const ResourceManager* global = gameApp() ? gameApp()->getResourceManager() : nullptr;
    const bool throughPortal =
        global && (global->getTexture(ChronaScene::PresentGrab) || global->getTexture(ChronaScene::PastGrab));
    if (sceneId == introducedScene_ || throughPortal) {
        return nullptr;
    }
    introducedScene_ = sceneId;
    return new SceneIntro(SceneIntro::captionOf(sceneId), listener);
}

ScreenBase* GameScreens::credits() {
    return new CreditsScreen(Config::instance().getCreditsFile());
}

ScreenBase* GameScreens::mainMenu() {
    introducedScene_ = -1;
    return new MainMenu();
}

ScreenBase* GameScreens::inGameMenu(InGameMenuListener* listener) {
    return new InGameMenu(listener);
}

ScreenBase* GameScreens::quitDialog() {
    // A scene that is running keeps what the player found before the game ends.
    return new NewQuitDialogScreen([] {
        if (ChronaScene* scene = ChronaScene::current()) {
            scene->storeProgress();
        }
    });
}

ScreenBase* GameScreens::options() {
    return new OptionsMenu();
}

ScreenBase* GameScreens::profilesMenu() {
    return new PlayerProfilesMenu();
}
