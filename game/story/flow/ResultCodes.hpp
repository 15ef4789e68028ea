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

}  // namespace ResultCodes
