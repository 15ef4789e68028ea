#pragma once

#include "game/content/ContentFiles.hpp"
#include "game/content/LabelCheck.hpp"

// Checks the map layout: a pin for every scene of the scene index and none
// for a scene it does not hold, no scene pinned twice, every pin's location
// cards present, and the name and description labels of every pinned scene.
class MapCheck {
public:
    MapCheck(const ContentFiles& files, LabelCheck& labels) : files_(files), labels_(labels) {}

    void run();

private:
    const ContentFiles& files_;
    LabelCheck& labels_;
};
