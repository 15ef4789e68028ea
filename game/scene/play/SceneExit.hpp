#pragma once

class ScreenBase;

// What follows a time-travel scene that ended with one of its result codes,
// with the change each makes to the current profile first. The screen comes
// from the game flow or its screen factory and may be none (the caller's
// hand-over then shows the main menu).
namespace SceneExit {

// chosenScene: the scene picked on the map (result 1004).
ScreenBase* next(int result, int sceneId, int chosenScene);

// The present scene of the first location of the current session after the
// scene's own that has not been played yet, or -1.
int nextLocation(int sceneId);

}  // namespace SceneExit
