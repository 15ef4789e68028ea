#include "game/app/GameScreens.hpp"

#include <string>

#include "engine/app/GameApp.hpp"
#include "engine/config/Config.hpp"
#include "engine/text/LabelManager.hpp"
#include "game/app/MyApp.hpp"
#include "game/menus/InGameMenu.hpp"
#include "game/menus/MainMenu.hpp"
#include "game/menus/NewQuitDialogScreen.hpp"
#include "game/menus/OptionsMenu.hpp"
#include "game/minigames/MgPlaceHolder.hpp"
#include "game/minigames/klotsky/MgKlotsky.hpp"
#include "game/minigames/memory/MgMemory.hpp"
#include "game/persistence/PlayerProfiles.hpp"
#include "game/persistence/screens/PlayerProfilesMenu.hpp"
#include "game/scene/ChronaScene.hpp"
#include "game/story/cutscenes/CutscenePlaceHolder.hpp"
#include "game/story/cutscenes/LogoSeqManager.hpp"
#include "game/story/cutscenes/PlaceHolderScreen.hpp"
#include "game/story/flow/DialogRequest.hpp"
#include "game/story/flow/GameFlow.hpp"
#include "game/story/flow/ScreenTypes.hpp"
#include "game/story/map/NewMapScreenListener.hpp"

namespace {

GameFlow& flow() {
    return GameFlow::instance();
}

// A placeholder for a flow entry whose screen is not built yet: it names the
// type and the file and moves the flow on to its next entry.
ScreenBase* flowPlaceHolder(const std::string& type, const std::string& file) {
    return new PlaceHolderScreen(type, type, file,
                                 PlaceHolderScreen::handOverTo([] { return flow().nextScreen(true); }));
}

// The first scene of the current session that is not completed, -1 when
// every one is.
int firstOpenScene() {
    const PlayerProfile* player = PlayerProfiles::instance().currentProfile();
    const SessionRecord* session = player ? player->currentSessionRecord() : nullptr;
    if (!session) {
        return -1;
    }
    for (const auto& location : session->locations) {
        if (!location->present.completed) {
            return location->present.sceneId;
        }
        if (!location->past.completed) {
            return location->past.sceneId;
        }
    }
    return -1;
}

// The map of the flow, until it is drawn: it takes the scene the player is on
// (or the first one still open) as the choice.
ScreenBase* flowMapPlaceHolder() {
    return new PlaceHolderScreen(ScreenTypes::Map, ScreenTypes::Map, "the next open location is chosen",
                                 PlaceHolderScreen::handOverTo([] {
                                     const PlayerProfile* player = PlayerProfiles::instance().currentProfile();
                                     int scene = player ? player->currentScene : -1;
                                     if (scene < 0) {
                                         scene = firstOpenScene();
                                     }
                                     return scene < 0 ? flow().nextScreen(true) : flow().chooseLocation(scene);
                                 }));
}

ScreenBase* dialoguePlaceHolder(const FlowParameters& parameters) {
    const std::optional<DialogRequest> request = DialogRequest::read(parameters);
    if (!request) {
        return nullptr;
    }
    const std::string file = request->fileName;
    PlaceHolderScreen::Leave leave =
        request->noPushOnLeave
            ? PlaceHolderScreen::uncover(nullptr)
            : PlaceHolderScreen::handOverTo([file] { return flow().afterDialogue(file, 0); });
    return new PlaceHolderScreen(ScreenTypes::DialogScreen, ScreenTypes::DialogScreen, file, std::move(leave));
}

ScreenBase* newLocationPlaceHolder(const FlowParameters& parameters) {
    const int sceneId = parameters.number("sceneId", -1);
    const bool advance = parameters.flag("advance");
    const std::string name = gameApp() ? gameApp()->getLabelManager()->getLabel("SCENE_" + std::to_string(sceneId))
                                       : std::to_string(sceneId);
    return new PlaceHolderScreen(ScreenTypes::NewLocation, ScreenTypes::NewLocation, name,
                                 PlaceHolderScreen::handOverTo([advance] { return flow().nextScreen(advance); }));
}

ScreenBase* timeTravelScene(const FlowParameters& parameters) {
    ChronaScene* scene = ChronaScene::fromParameters(parameters);
    if (const MyApp* app = myApp()) {
        scene->drawChoicesFrom(app->getRunSeed());
    }
    return scene;
}

ScreenBase* progressPlaceHolder() {
    return new PlaceHolderScreen(ScreenTypes::PlayerProgress, ScreenTypes::PlayerProgress, "",
                                 PlaceHolderScreen::handOverTo([] {
                                     if (PlayerProfile* player = PlayerProfiles::instance().currentProfile()) {
                                         player->started = true;
                                     }
                                     return flow().screens()->mainMenu();
                                 }));
}

}  // namespace

void GameScreens::registerCreators(GameFlow& flow) {
    flow.registerCreator(ScreenTypes::Scene, [](const FlowParameters& p) { return timeTravelScene(p); });
    flow.registerCreator(ScreenTypes::MgConcentricDials, [](const FlowParameters& p) {
        return flowPlaceHolder(ScreenTypes::MgConcentricDials, p.text("configFile"));
    });
    flow.registerCreator(ScreenTypes::MgMemory,
                         [](const FlowParameters& p) { return new MgMemory(p.text("configFile")); });
    flow.registerCreator(ScreenTypes::MgKlotsky,
                         [](const FlowParameters& p) { return new MgKlotsky(p.text("configFile")); });
    flow.registerCreator(ScreenTypes::MgShooter, [](const FlowParameters&) {
        return flowPlaceHolder(ScreenTypes::MgShooter, "content/config/minigames/Shooter/shooter.xml");
    });
    flow.registerCreator(ScreenTypes::MgPlaceHolder,
                         [](const FlowParameters& p) { return new MgPlaceHolder(p.text("caption")); });
    flow.registerCreator(ScreenTypes::CutscenePlaceHolder,
                         [](const FlowParameters& p) { return new CutscenePlaceHolder(p.text("caption")); });
    flow.registerCreator(ScreenTypes::Animation, [](const FlowParameters& p) {
        return flowPlaceHolder(ScreenTypes::Animation, p.text("configPath", "MOCK"));
    });
    flow.registerCreator(ScreenTypes::DialogScreen, dialoguePlaceHolder);
    flow.registerCreator(ScreenTypes::Map, [](const FlowParameters&) { return flowMapPlaceHolder(); });
    flow.registerCreator(ScreenTypes::NewLocation, newLocationPlaceHolder);
    flow.registerCreator(ScreenTypes::PlayerProgress, [](const FlowParameters&) { return progressPlaceHolder(); });
    flow.registerCreator(ScreenTypes::MainMenu, [this](const FlowParameters&) { return mainMenu(); });
    flow.registerCreator(ScreenTypes::PlayerProfilesMenu, [this](const FlowParameters&) { return profilesMenu(); });
}

ScreenBase* GameScreens::logos() {
    return new LogoSeqManager(Config::instance().getLogoScreens());
}

ScreenBase* GameScreens::map(NewMapScreenListener* listener, int /*view*/, int /*mode*/) {
    if (!listener) {
        return flowMapPlaceHolder();
    }
    return new PlaceHolderScreen(ScreenTypes::Map, ScreenTypes::Map, "back to the scene",
                                 PlaceHolderScreen::uncover([listener] {
                                     listener->mapAction(NewMapScreenListener::Closed, -1);
                                 }));
}

ScreenBase* GameScreens::pieceFound(int location) {
    // The painting is not drawn yet: a new piece leads on as continuing the game does.
    if (location < 0) {
        return new PlaceHolderScreen("LumoraPieceFoundScreen", "LumoraPieceFoundScreen", "",
                                     PlaceHolderScreen::handOverTo([this] { return mainMenu(); }));
    }
    return new PlaceHolderScreen("LumoraPieceFoundScreen", "LumoraPieceFoundScreen",
                                 "a piece of location " + std::to_string(location),
                                 PlaceHolderScreen::handOverTo([] { return flow().continueGame(); }));
}

ScreenBase* GameScreens::sceneIntro(int /*sceneId*/, SceneIntroListener* /*listener*/) {
    return nullptr;
}

ScreenBase* GameScreens::credits() {
    return new PlaceHolderScreen("CreditsScreen", "CreditsScreen", Config::instance().getCreditsFile(),
                                 PlaceHolderScreen::uncover(nullptr));
}

ScreenBase* GameScreens::mainMenu() {
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
