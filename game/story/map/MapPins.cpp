#include "game/story/map/MapPins.hpp"

#include "game/persistence/LocationEntry.hpp"
#include "game/persistence/PlayerProfile.hpp"
#include "game/persistence/SceneState.hpp"
#include "game/persistence/SessionRecord.hpp"

namespace MapPins {

namespace {

const SceneState* firstState(const PlayerProfile& profile, int sceneId) {
    for (const auto& session : profile.sessions) {
        if (const SceneState* state = session->findSceneState(sceneId)) {
            return state;
        }
    }
    return nullptr;
}

}  // namespace

bool isUntouched(const PlayerProfile& profile, int sceneId) {
    const SceneState* state = firstState(profile, sceneId);
    return !state || state->isUntouched();
}

bool isCompleted(const PlayerProfile& profile, int sceneId) {
    // Every object found is not enough: a present whose last find earned a
    // badge completes on its next visit, and "Continue" sends the player to
    // the map for it, where it must still be open to choose.
    const SceneState* state = firstState(profile, sceneId);
    return state && state->isFinished() && state->completed;
}

bool isShownIn(int view, int sceneId) {
    return view == PastView ? sceneId >= 200 : sceneId < 200;
}

Choice choose(const PlayerProfile* profile, int sceneId, int mode) {
    if (mode == AllPinsMode) {
        return Choice{Look::Green};
    }
    if (mode == AllCheckedMode) {
        return Choice{Look::CheckMark};
    }
    if (!profile) {
        return Choice{};
    }
    if (!isUntouched(*profile, sceneId)) {
        if (isCompleted(*profile, sceneId)) {
            return Choice{Look::CheckMark, sceneId < 200};
        }
        // A past scene is reached through its present one; once the present
        // is completed only the map leads back to an unfinished past.
        return Choice{Look::Yellow, sceneId < 200 || isCompleted(*profile, sceneId - 100)};
    }
    if (profile->isSceneCompleted(sceneId)) {
        return Choice{Look::CheckMark};
    }
    const SessionRecord* session = profile->currentSessionRecord();
    if (session && session->findSceneState(sceneId)) {
        return Choice{Look::Red, true, true};
    }
    return Choice{};
}

const char* textureKey(Look look) {
    switch (look) {
        case Look::Green:
            return "MAP_PINPOINT";
        case Look::CheckMark:
            return "MAP_CHECK_MARK_SMALL";
        case Look::Yellow:
            return "MAP_PINPOINT_YELLOW";
        case Look::Red:
            return "MAP_PINPOINT_RED";
        case Look::None:
            break;
    }
    return nullptr;
}

}  // namespace MapPins
