#pragma once

class ChronaScene;

// Trying one scene out from the command line (--scene ID): the scene is
// played by a profile made for this run alone, current while the program
// runs and never written to the save file, so the players' own profiles and
// their progress stay as they were.
namespace SceneTrial {

constexpr const char* ProfileName = "Scene trial";
constexpr int SessionId = 0;

// Makes the trial profile current with a session holding the scene's
// location, and gives the scene.
ChronaScene* start(int sceneId);

}  // namespace SceneTrial
