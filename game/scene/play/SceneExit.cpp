#include "game/scene/play/SceneExit.hpp"

#include "game/persistence/PlayerProfiles.hpp"
#include "game/scene/play/SceneProgress.hpp"
#include "game/story/flow/GameFlow.hpp"
#include "game/story/flow/ResultCodes.hpp"
#include "game/story/flow/ScreenTypes.hpp"

namespace {

PlayerProfile* profile() {
    return PlayerProfiles::instance().currentProfile();
}

void setCurrentScene(int sceneId) {
    if (PlayerProfile* player = profile()) {
        player->currentScene = sceneId;
    }
}

ScreenBase* map(int view) {
    ScreenFactory* screens = GameFlow::instance().screens();
    return screens ? screens->map(nullptr, view, -1) : nullptr;
}

// Whether some scene of the current session is still to be completed.
bool mapHasScenesLeft() {
    const PlayerProfile* player = profile();
    const SessionRecord* session = player ? player->currentSessionRecord() : nullptr;
    if (!session) {
        return false;
    }
    for (const auto& location : session->locations) {
        if (!location->present.completed || !location->past.completed) {
            return true;
        }
    }
    return false;
}

ScreenBase* afterPastFinished(int sceneId) {
    const int next = SceneExit::nextLocation(sceneId);
    GameFlow& flow = GameFlow::instance();
    if (next >= 0) {
        setCurrentScene(next);
        FlowParameters parameters;
        parameters.set("sceneId", next);
        parameters.set("advance", 0);
        return flow.createScreen(ScreenTypes::NewLocation, parameters);
    }
    if (mapHasScenesLeft()) {
        return map(0);
    }
    setCurrentScene(-1);
    return flow.nextScreen(true);
}

}  // namespace

int SceneExit::nextLocation(int sceneId) {
    const PlayerProfile* player = profile();
    const SessionRecord* session = player ? player->currentSessionRecord() : nullptr;
    if (!session) {
        return -1;
    }
    const int own = SceneProgress::locationOf(sceneId);
    bool afterOwn = false;
    for (const auto& location : session->locations) {
        if (afterOwn && location->present.isUntouched()) {
            return 100 + location->location;
        }
        afterOwn = afterOwn || location->location == own;
    }
    return -1;
}

ScreenBase* SceneExit::next(int result, int sceneId, int chosenScene) {
    GameFlow& flow = GameFlow::instance();
    ScreenFactory* screens = flow.screens();
    SceneState* state = SceneProgress::find(profile(), sceneId);
    const bool present = SceneProgress::isPresent(sceneId);
    // The challenge time is kept only when the scene was left half-way.
    if (state && (result == ResultCodes::SceneResume || result == ResultCodes::SceneStepDone ||
                  result == ResultCodes::SceneFinished)) {
        state->remainingTime = -1;
    }
    switch (result) {
    case ResultCodes::SceneMainMenu:
        return screens ? screens->mainMenu() : nullptr;
    case ResultCodes::SceneMapChoice:
        setCurrentScene(chosenScene);
        return flow.nextScreen(false);
    case ResultCodes::SceneGiveUp:
        return map(0);
    case ResultCodes::SceneMapSecondMode:
        return map(1);
    case ResultCodes::SceneResume:
        return flow.nextScreen(false);
    case ResultCodes::SceneStepDone:
        if (!present && state && !state->isUntouched()) {
            setCurrentScene(sceneId - 100);
        }
        return flow.nextScreen(false);
    case ResultCodes::SceneFinished:
        if (present) {
            setCurrentScene(sceneId + 100);
            return flow.nextScreen(false);
        }
        return afterPastFinished(sceneId);
    case ResultCodes::SceneStoryGoesOn:
        return flow.nextScreen(true);
    case ResultCodes::ScenePieceUnlocked:
        return screens ? screens->pieceFound(SceneProgress::locationOf(sceneId)) : nullptr;
    default:
        return nullptr;
    }
}
