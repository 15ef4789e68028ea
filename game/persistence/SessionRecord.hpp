#pragma once

#include <memory>
#include <vector>

#include "game/persistence/LocationEntry.hpp"

class Buffer;

// One game part session of a profile: the flow entry's session id and the
// locations it handed out, in order.
struct SessionRecord {
    int id = 0;
    int mapScene = -1;  // used by the map while it is open; never saved
    std::vector<std::unique_ptr<LocationEntry>> locations;

    LocationEntry* findLocation(int locationNumber) const;
    // The present or past state with this scene id, or none.
    SceneState* findSceneState(int sceneId) const;

    void write(Buffer& out) const;
    void read(Buffer& in);
};
