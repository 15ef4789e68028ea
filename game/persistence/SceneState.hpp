#pragma once

#include <utility>
#include <vector>

class Buffer;

// What a player has done in one scene: badge, points, an interrupted time
// challenge, attempts, and the items open, found and extra when it was left.
// A state whose three item lists are empty has not been played.
struct SceneState {
    using ItemList = std::vector<std::pair<int, int>>;

    int sceneId = 0;
    int badge = 3;           // 0 gold, 1 silver, 2 bronze, 3 none yet
    int points = 0;
    int remainingTime = -1;  // ms left of an interrupted time challenge, -1 none
    int attempts = 0;
    bool completed = false;
    bool opened = false;
    ItemList goalItems;
    ItemList collectedItems;
    ItemList extraItems;

    bool isUntouched() const { return goalItems.empty() && collectedItems.empty() && extraItems.empty(); }
    // Nothing left to find and at least one item found.
    bool isFinished() const { return goalItems.empty() && extraItems.empty() && !collectedItems.empty(); }

    // The file keeps the found items before the open ones.
    void write(Buffer& out) const;
    void read(Buffer& in);
};
