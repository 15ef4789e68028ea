#pragma once

#include <string>

// What the item file says about one item of a scene. Owned by its Item; the
// scene code changes layer and position while the item is played.
struct ItemDescription {
    std::string name;
    std::string image;
    std::string directory;  // the scene's image folder, joined to image by plain concatenation
    int layer = 0;
    int majorGroupID = 0;
    int minorGroupID = 0;
    float x = 0.0f;
    float y = 0.0f;
    float angle = 0.0f;
    int R = 0;
    int G = 0;
    int B = 0;
    int A = 0;
    int type = 0;  // 0 or 1 picks a group rule table; other values leave the item ungrouped
    std::string infoTip;
    int typeId = 0;
    int line = 0;  // of the Item element in the item file
};
