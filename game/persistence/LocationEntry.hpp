#pragma once

#include "game/persistence/SceneState.hpp"

class Buffer;

// One location handed out in a session: its present scene (100 + n) and past
// scene (200 + n) and three flags the scene code keeps (firstFlag: the time
// portal stays open; secondFlag: entered without a time challenge).
struct LocationEntry {
    LocationEntry() = default;
    // Fresh states for the location's two scenes.
    explicit LocationEntry(int locationNumber);

    int location = 0;
    SceneState present;
    SceneState past;
    bool firstFlag = false;
    bool secondFlag = false;
    bool thirdFlag = false;

    void write(Buffer& out) const;
    void read(Buffer& in);
};
