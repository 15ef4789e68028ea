#pragma once

#include <map>
#include <string>
#include <vector>

#include "game/content/ContentFiles.hpp"
#include "game/content/LabelCheck.hpp"
#include "game/scene/data/ItemRegistry.hpp"
#include "game/scene/data/SceneIndex.hpp"
#include "game/scene/renderers/ItemRendererFactory.hpp"

// Checks the hidden-object scenes, read through the game's loaders (scene
// index, item files, item group and renderer rules, mechanics files): the
// files they name, the labels, silhouettes and renderers their items need,
// and the goals each step of a scene chooses (with the game's GoalChooser). It also plays the goal
// choice of every step to see the scene has enough candidates, and checks
// that every candidate shows at least a quarter of itself above everything
// drawn over it (the goal panel included), so every goal can be clicked.
class SceneCheck {
public:
    // Share of a goal's opaque pixels that must stay uncovered.
    static constexpr double MinimumVisibleShare = 0.25;
    // A scene is completed when this many of its objects are found.
    static constexpr int ObjectsPerScene = 30;

    SceneCheck(const ContentFiles& files, LabelCheck& labels, const std::map<std::string, std::string>& parameters,
               const std::string& language)
        : files_(files), labels_(labels), parameters_(parameters), language_(language) {}

    void run();

private:
    struct Paths {
        std::string config = "content/config/scene/";
        std::string groupRules = "ItemGroupRules.xml";
        std::string rendererRules = "ItemRendererRules.xml";
    };
    static constexpr const char* IndexFile = "content/config/scene/sceneIndex.xml";

    void readFlowPaths();
    void checkScene(SceneIndex& index, const SceneIndexEntry& entry);
    void checkVisibility(const std::string& itemFile, const std::string& folder, const ItemRegistry& registry,
                         const std::vector<Item*>& items);
    void checkMechanics(const SceneIndexEntry& entry, ItemRegistry& registry);
    static bool isDisplayed(int group);
    static bool isGoal(int group);

    const ContentFiles& files_;
    LabelCheck& labels_;
    const std::map<std::string, std::string>& parameters_;
    std::string language_;
    Paths paths_;
    ItemRendererFactory renderers_;
};
