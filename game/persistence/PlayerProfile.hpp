#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "game/persistence/SessionRecord.hpp"

class Buffer;
class RandomSource;

// One player's play-through: flow position, the locations in the order they
// are handed out and the progress in each scene, the painting pieces and the
// score. Owned by PlayerProfiles; written into the save file's image.
class PlayerProfile {
public:
    enum class Flag { First, Second, Third };

    // sceneIds: the scene index's ids in file order (ids outside 100..219 are
    // left out); pieceIds: the painting pieces. The first location of the
    // index stays first, the rest and the pieces are shuffled.
    PlayerProfile(std::string profileName, const std::vector<int>& sceneIds, const std::vector<int>& pieceIds,
                  RandomSource& random);

    // A new play-through: story, sessions, scenes and score start over; the
    // piece hand-out order and cursor stay, so found pieces are not repeated.
    void resetProgress(RandomSource& random);

    // The session record whose id is currentSession, or none.
    SessionRecord* currentSessionRecord() const;
    // Whether any session holds the state of this scene with no goals or
    // extras left and at least one item found.
    bool isSceneCompleted(int sceneId) const;

    // The flags of a location in the current session; without that session
    // or location the get is false and the set does nothing. Setting the
    // first flag also opens the location's past scene.
    bool locationFlag(int locationNumber, Flag flag) const;
    void setLocationFlag(int locationNumber, Flag flag, bool value);

    void write(Buffer& out) const;
    // Overwrites every saved field; scene-use keys not in the data keep
    // their value.
    void read(Buffer& in);

    int flowPosition = 0;
    int sceneCarryOver = 0;
    bool started = false;
    std::string name;
    int score = 0;
    int currentSession = -1;
    int currentScene = -1;
    std::map<int, bool> sceneUse;
    std::vector<int> locationOrder;
    int locationCursor = -1;
    std::vector<std::unique_ptr<SessionRecord>> sessions;
    std::map<int, bool> piecesShown;
    std::vector<int> pieceOrder;
    int pieceCursor = -1;
    int reserved = -1;
};
