#pragma once

// How the bot plays. A careful player reads every dialogue, finds every goal
// without a miss and solves every minigame; a hasty one misses until the
// penalty spins the pointer, uses hints, lets one time challenge run out,
// skips one minigame and one dialogue, and once leaves a scene through the
// menu and continues.
enum class PlayStyle { Careful, Hasty };
