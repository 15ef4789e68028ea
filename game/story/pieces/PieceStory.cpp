#include "game/story/pieces/PieceStory.hpp"

#include <algorithm>
#include <memory>

#include "game/persistence/LocationEntry.hpp"
#include "game/persistence/PlayerProfiles.hpp"
#include "game/persistence/SessionRecord.hpp"
#include "game/scene/play/SceneProgress.hpp"
#include "game/story/flow/FlowParameters.hpp"
#include "game/story/flow/GameFlow.hpp"
#include "game/story/flow/ScreenTypes.hpp"
#include "game/story/map/MapPins.hpp"

namespace PieceStory {

namespace {

ScreenBase* map(int view) {
    ScreenFactory* screens = GameFlow::instance().screens();
    return screens ? screens->map(nullptr, view, MapPins::NormalMode) : nullptr;
}

// Both scenes of the location completed: it has earned its piece.
bool isDone(const std::unique_ptr<LocationEntry>& location) {
    return location->present.completed && location->past.completed;
}

bool allCompleted(const SessionRecord& session) {
    return std::all_of(session.locations.begin(), session.locations.end(), isDone);
}

// The session goes on after a piece: the past scene of a present one, the
// next location not yet begun, the map while scenes are open, or the flow.
ScreenBase* storyGoesOn(PlayerProfile& player, SessionRecord& session) {
    GameFlow& flow = GameFlow::instance();
    if (SceneState* state = session.findSceneState(player.currentScene)) {
        state->remainingTime = -1;
    }
    const int scene = player.currentScene;
    if (scene >= 100 && scene < 200) {
        if (player.isSceneCompleted(scene + 100)) {
            return map(MapPins::PastView);
        }
        player.currentScene = scene + 100;
        return flow.nextScreen(false);
    }
    for (const auto& location : session.locations) {
        if (location->present.isUntouched()) {
            player.currentScene = location->present.sceneId;
            FlowParameters announcement;
            announcement.set("sceneId", player.currentScene);
            announcement.set("musicId", StoryMusic);
            announcement.set("advance", 0);
            return flow.createScreen(ScreenTypes::NewLocation, announcement);
        }
    }
    if (!allCompleted(session)) {
        return map(MapPins::PresentView);
    }
    player.currentScene = -1;
    return flow.nextScreen(true);
}

}  // namespace

int unlockNext(PlayerProfile& profile) {
    const std::size_t next = static_cast<std::size_t>(profile.pieceCursor + 1);
    if (profile.pieceCursor + 1 < 0 || next >= profile.pieceOrder.size()) {
        return -1;
    }
    profile.pieceCursor += 1;
    const int id = profile.pieceOrder[next];
    profile.piecesShown[id] = true;
    return id;
}

bool isComplete(const std::map<int, bool>& shown) {
    return static_cast<int>(shown.size()) >= PieceCount &&
           std::all_of(shown.begin(), shown.end(), [](const auto& piece) { return piece.second; });
}

int leaveCode(const PlayerProfile* profile, int locationNumber) {
    const SessionRecord* session = profile ? profile->currentSessionRecord() : nullptr;
    if (!session) {
        return StoryGoesOn;
    }
    const LocationEntry* location = session->findLocation(locationNumber);
    const bool third = location && location->thirdFlag;
    if (allCompleted(*session)) {
        return NextFlowEntry;
    }
    const bool sceneOpen = std::any_of(session->locations.begin(), session->locations.end(), [](const auto& entry) {
        return (entry->present.opened && !entry->present.completed) || (entry->past.opened && !entry->past.completed);
    });
    return third && sceneOpen ? ToMap : StoryGoesOn;
}

bool isPieceOwed(const PlayerProfile& profile) {
    int earned = 0;
    for (const auto& session : profile.sessions) {
        earned += static_cast<int>(std::count_if(session->locations.begin(), session->locations.end(), isDone));
    }
    const int handedOut = profile.pieceCursor + 1;
    return handedOut < earned && handedOut < static_cast<int>(profile.pieceOrder.size());
}

ScreenBase* afterCompletedScene() {
    PlayerProfile* player = PlayerProfiles::instance().currentProfile();
    const SessionRecord* session = player ? player->currentSessionRecord() : nullptr;
    const int location = player ? SceneProgress::locationOf(player->currentScene) : -1;
    const LocationEntry* entry = session ? session->findLocation(location) : nullptr;
    if (!entry || !entry->present.completed || !entry->past.completed) {
        // The location's other scene is still to be played: the scene
        // again, whose ending leads there (a present through its portal).
        return GameFlow::instance().nextScreen(false);
    }
    ScreenFactory* screens = GameFlow::instance().screens();
    if (screens && isPieceOwed(*player)) {
        return screens->pieceFound(location);
    }
    return next(leaveCode(player, location));
}

ScreenBase* next(int leaveCode) {
    GameFlow& flow = GameFlow::instance();
    PlayerProfile* player = PlayerProfiles::instance().currentProfile();
    SessionRecord* session = player ? player->currentSessionRecord() : nullptr;
    switch (leaveCode) {
        case ToMap:
            return map(MapPins::PresentView);
        case NextFlowEntry:
            return flow.nextScreen(true);
        case StoryGoesOn:
            return session ? storyGoesOn(*player, *session) : flow.nextScreen(false);
        case BackToMenu: {
            ScreenFactory* screens = flow.screens();
            return screens ? screens->mainMenu() : nullptr;
        }
        default:
            return nullptr;
    }
}

}  // namespace PieceStory
