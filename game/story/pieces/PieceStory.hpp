#pragma once

#include <map>

class PlayerProfile;
class ScreenBase;

// The rules of the painting screen that need no screen: handing out the next
// piece of a player's order, whether the painting is whole, and where the
// story goes when the player leaves the screen after a new piece.
namespace PieceStory {

// How the painting screen is left.
enum Leave {
    ToMap = 0,          // other scenes of the session are open
    NextFlowEntry = 1,  // the session is over
    StoryGoesOn = 2,    // the session goes on: the past scene, the next location, the map
    BackToMenu = 3,     // the painting was only looked at
};

constexpr int PieceCount = 20;
// The music of the painting screen and of the announcement it may lead to.
constexpr int PaintingMusic = 5555;
constexpr int StoryMusic = 6666;

// The next piece of the profile's order (cursor moved on and the piece marked
// shown), or -1 when the order has no piece left.
int unlockNext(PlayerProfile& profile);
// Every one of the painting's pieces has been shown.
bool isComplete(const std::map<int, bool>& shown);
// How the screen is left after the piece of this location: the session's
// scenes all completed lead on in the flow; with the location's third flag
// set and a scene begun but not completed, the map; otherwise the story goes
// on in the session.
int leaveCode(const PlayerProfile* profile, int locationNumber);
// The screen that follows a leave code (through the flow and its screen
// factory), or none.
ScreenBase* next(int leaveCode);
// Whether a location has both its scenes completed and the player has not
// had its piece (each such location earns one, in order).
bool isPieceOwed(const PlayerProfile& profile);
// Where the session goes on from the profile's current scene, which is
// completed: the scene again while the location's other scene is still to
// be played (its ending leads there); else the painting with the location's piece when it is
// still owed (the game ended between the scene and its piece), else as
// after the piece.
ScreenBase* afterCompletedScene();

}  // namespace PieceStory
