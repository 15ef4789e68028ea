#pragma once

#include <map>
#include <string>
#include <vector>

#include "game/content/ContentFiles.hpp"
#include "game/content/LabelCheck.hpp"

// Checks the hidden-object scenes: the scene index, every scene's item file
// (attributes, images, silhouettes, animations, names), the shared item group
// and renderer rules and each scene's mechanics file. It also plays the goal
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
    struct IndexEntry {
        int id = 0;
        std::string fileName;
        std::string path;
        int line = 0;
    };
    struct SceneItem {
        int index = 0;
        int line = 0;
        std::string name;
        std::string image;
        int layer = 0;
        int x = 0;
        int y = 0;
        int type = 0;
        int typeId = 0;
        int group = -1;
    };
    struct Paths {
        std::string config = "content/config/scene/";
        std::string groupRules = "ItemGroupRules.xml";
        std::string rendererRules = "ItemRendererRules.xml";
    };

    void readFlowPaths();
    void readGroupRules();
    void readRendererRules();
    void checkScene(const IndexEntry& entry);
    void checkVisibility(const std::string& itemFile, const std::string& folder, const std::vector<SceneItem>& items);
    void checkMechanics(const IndexEntry& entry, const std::vector<SceneItem>& items);
    bool hasRenderer(const SceneItem& item) const;

    const ContentFiles& files_;
    LabelCheck& labels_;
    const std::map<std::string, std::string>& parameters_;
    std::string language_;
    Paths paths_;
    std::map<std::pair<int, int>, int> groupRules_;  // (type, typeId) -> group
    struct RendererRule {
        int renderer, groupId, typeId, type;
    };
    std::vector<RendererRule> rendererRules_;
};
