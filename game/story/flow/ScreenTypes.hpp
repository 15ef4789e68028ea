#pragma once

#include <string>

// The type names under which screens are built. The first group may stand in
// the flow file; the second names screens that only the flow's own rules
// build (the story chain, continue, the map choice).
namespace ScreenTypes {

constexpr const char* Scene = "scene";
constexpr const char* MainMenu = "mainMenu";
constexpr const char* GamePartSession = "GamePartSession";
constexpr const char* MgMemory = "MgMemory";
constexpr const char* MgKlotsky = "MgKlotsky";
constexpr const char* MgConcentricDials = "MgConcentricDials";
constexpr const char* MgShooter = "MgShooter";
constexpr const char* MgPlaceHolder = "MgPlaceHolder";
constexpr const char* CutscenePlaceHolder = "CutscenePlaceHolder";
constexpr const char* Animation = "Animation";
constexpr const char* DialogScreen = "DialogScreen";

// Parameters: none (the map opened from the flow, with no calling scene).
constexpr const char* Map = "NewMapScreen";
// Parameters: sceneId, advance ("1" or "0": the flag its leaving hands to nextScreen).
constexpr const char* NewLocation = "NewLocationScreen";
constexpr const char* PlayerProfilesMenu = "PlayerProfilesMenu";
// Parameters: overlay ("0" when the screen replaces the game).
constexpr const char* PlayerProgress = "PlayerProgress";

// Whether a flow file may name the type.
bool isFlowType(const std::string& type);

}  // namespace ScreenTypes
