#pragma once

class PlayerProfile;

// How the map shows a scene's pin, from the player's progress: a green pin
// or a check mark for every pin in the main menu's two modes; otherwise a
// check mark for a completed scene, a yellow pin for one in progress (a past
// one greyed and not clickable while its present is unfinished), a red
// highlighted pin for an untouched scene of the current session, and no pin
// for the rest.
namespace MapPins {

enum class Look { None, Green, CheckMark, Yellow, Red };

// The main menu's map modes; -1 is the normal map.
constexpr int NormalMode = -1;
constexpr int AllPinsMode = 100;
constexpr int AllCheckedMode = 101;
// The map's views.
constexpr int PresentView = 0;
constexpr int PastView = 1;

struct Choice {
    Look look = Look::None;
    bool active = true;
    bool highlighted = false;
};

Choice choose(const PlayerProfile* profile, int sceneId, int mode);

// The texture key of a look (none for Look::None).
const char* textureKey(Look look);

// The first state of the scene in the profile's sessions has not been played,
// or there is none.
bool isUntouched(const PlayerProfile& profile, int sceneId);
// That state has nothing left to find, at least one item found, and the
// scene has marked it completed.
bool isCompleted(const PlayerProfile& profile, int sceneId);
// Present scenes (below 200) show in the present view, past ones in the past view.
bool isShownIn(int view, int sceneId);

}  // namespace MapPins
