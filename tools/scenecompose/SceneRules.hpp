#pragma once

#include <string>
#include <vector>

#include "tools/scenecompose/ObjectLibrary.hpp"
#include "tools/scenecompose/ScenePlan.hpp"

// The files every scene shares: the scene index (one entry per placement
// description) and the item group and renderer rules, which sort any object
// of the library into the candidates (item type 0) or the decoys (type 1).
class SceneRules {
public:
    static bool writeIndex(const std::vector<ScenePlan>& plans, const std::string& path);
    static bool writeGroupRules(const ObjectLibrary& library, const std::string& path);
    static bool writeRendererRules(const std::string& path);
};
