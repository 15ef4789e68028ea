#pragma once

#include "game/persistence/SceneState.hpp"

class ItemRegistry;
class PlayerProfile;

// A time-travel scene's progress in the current profile: where it is kept,
// how a visit writes it back, and how a later visit takes it up again.
namespace SceneProgress {

constexpr int ChallengeLength = 300000;

// What one visit leaves behind.
struct Visit {
    int sceneId = 0;
    int attempt = 0;
    bool endingChecksRan = false;
    bool locationFlag = false;
    int timeLimit = ChallengeLength;
    int score = 0;
};

// What a visit finds when it takes up a scene left earlier.
struct Resumed {
    int timeLimit = ChallengeLength;
    int collectedBefore = 0;
};

// Location n has the present scene 100 + n and the past scene 200 + n.
inline bool isPresent(int sceneId) { return sceneId < 200; }
inline int locationOf(int sceneId) { return isPresent(sceneId) ? sceneId - 100 : sceneId - 200; }

// The scene's state in the profile's current session, or null.
SceneState* find(const PlayerProfile* profile, int sceneId);

// Writes the visit into the scene's state (a scene outside the current
// session writes into a throw-away state) and the location's third flag,
// then empties the whole item registry.
void store(PlayerProfile* profile, const Visit& visit, ItemRegistry& registry);

// Puts the stored goals back into the goal group and the stored finds into
// the collected group (both taken from the freshly read items).
Resumed reapply(const SceneState& state, ItemRegistry& registry);

}  // namespace SceneProgress
