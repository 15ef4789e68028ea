#pragma once

// The leave codes that decide which screen follows another.
namespace ResultCodes {

// A story dialogue that ends with 0 leads to the main menu when it is not
// part of the story chain; any other code restarts the flow.
constexpr int DialogDone = 0;

// A cut-scene animation: finished moves the flow on, replay builds its entry again.
constexpr int AnimationFinished = 0;
constexpr int AnimationReplay = 1;

// A minigame's commands.
constexpr int MinigameSkip = 1000;
constexpr int MinigameMainMenu = 1001;
constexpr int MinigameReset = 1002;
constexpr int MinigameDone = 1003;

// How a time-travel scene ends; the scene chooses what follows each.
constexpr int SceneMainMenu = 1003;        // skip button, the map's main menu, the menu's confirmation
constexpr int SceneMapChoice = 1004;       // another location was chosen on the map
constexpr int SceneGiveUp = 1005;          // the try-again question declined: the map
constexpr int SceneMapSecondMode = 1006;   // the map in its second mode
constexpr int SceneResume = 1007;          // steps done without a finish, or try again
constexpr int SceneStepDone = 1008;        // a step's last goal found, or the time ran out
constexpr int SceneFinished = 1009;        // enough objects found to move on
constexpr int SceneStoryGoesOn = 1010;     // the flow moves on
constexpr int ScenePieceUnlocked = 1011;   // a painting piece was unlocked
constexpr int SceneStepScreen = 10000;     // a Screen step shows its screen

// The main menu's leave codes.
constexpr int MenuNewGame = 0;
constexpr int MenuContinue = 1;
constexpr int MenuQuit = 4;
constexpr int MenuPainting = 8;

}  // namespace ResultCodes
