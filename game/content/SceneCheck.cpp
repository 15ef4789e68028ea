#include "game/content/SceneCheck.hpp"

#include <algorithm>
#include <memory>

#include "engine/core/RandomSource.hpp"
#include "game/content/AlphaPicture.hpp"
#include "game/scene/data/GoalChooser.hpp"
#include "game/scene/data/Item.hpp"
#include "game/scene/data/ItemRegistry.hpp"
#include "game/scene/data/SceneItemLoader.hpp"
#include "game/scene/data/SceneMechanics.hpp"
#include "game/story/flow/GameFlow.hpp"
#include "game/story/flow/ScreenTypes.hpp"

void SceneCheck::run() {
    readFlowPaths();
    const std::string rendererRules = paths_.config + paths_.rendererRules;
    renderers_.loadRules(rendererRules);
    for (const ItemRendererRule& rule : renderers_.getRules()) {
        if (rule.renderer < 0 || rule.renderer > 3) {
            files_.report().add(files_.path(rendererRules), rule.line,
                                "there is no renderer " + std::to_string(rule.renderer) + " (0..3)");
        }
    }
    SceneIndex index;
    index.load(IndexFile);
    for (int id : index.idsInFileOrder()) {
        const SceneIndexEntry& entry = *index.find(id);
        if (id < 100 || id > 299) {
            files_.report().add(files_.path(IndexFile), entry.line,
                                "the scene id " + std::to_string(id) + " is not a location scene (100..299)");
            continue;
        }
        labels_.use("SCENE_" + std::to_string(id), IndexFile, entry.line);
        labels_.use("SCENE_DESCRIPTION_" + std::to_string(id), IndexFile, entry.line);
        checkScene(index, entry);
    }
}

void SceneCheck::readFlowPaths() {
    if (!files_.exists(GameFlow::FlowFile)) {
        return;
    }
    // The flow's problems are the content checker's to report; here only the paths matter.
    GameFlow flow;
    flow.load(GameFlow::FlowFile, SceneIndex());
    for (const FlowEntry& entry : flow.entries()) {
        const bool scene = entry.type == ScreenTypes::Scene || entry.type == ScreenTypes::GamePartSession;
        if (scene && entry.parameters.has("configPath")) {
            paths_.config = entry.parameters.text("configPath");
            paths_.groupRules = entry.parameters.text("itemGroupConf");
            paths_.rendererRules = entry.parameters.text("itemRendererConf");
            return;
        }
    }
}

bool SceneCheck::isDisplayed(int group) {
    const std::vector<int>& displayed = ItemRegistry::displayedGroups();
    return std::find(displayed.begin(), displayed.end(), group) != displayed.end();
}

bool SceneCheck::isGoal(int group) {
    return group == ItemRegistry::Candidates || group == ItemRegistry::Goals;
}

void SceneCheck::checkScene(SceneIndex& index, const SceneIndexEntry& entry) {
    const std::string itemFile = entry.itemFilePath(language_);
    if (!files_.require(itemFile, IndexFile, entry.line, "")) {
        return;
    }
    ItemRegistry registry;
    SceneItemLoader::load(entry.id, paths_.config + paths_.groupRules, language_, index, registry);
    std::vector<Item*> items = registry.itemsOfScene(entry.id);
    std::sort(items.begin(), items.end(), [](const Item* a, const Item* b) { return a->getIndex() < b->getIndex(); });
    const std::string prefix = parameters_.count("Game.Images.Silhouettes.Prefix")
                                   ? parameters_.at("Game.Images.Silhouettes.Prefix")
                                   : "";
    for (const Item* item : items) {
        const ItemDescription& d = item->description();
        if (!d.infoTip.empty()) {
            files_.require(d.infoTip, itemFile, d.line, "the animation");
        } else if (!d.image.empty()) {
            files_.require(entry.path + d.image, itemFile, d.line, "the image");
        }
        const int group = registry.groupOf(item);
        ItemRendererFactoryInput query;
        query.groupId = group;
        query.typeId = d.typeId;
        query.type = d.type;
        const int renderer = renderers_.rendererIdFor(query);
        if (isDisplayed(group) && (renderer < 0 || renderer > 3)) {
            files_.report().add(files_.path(itemFile), d.line, "no renderer rule draws the item " + d.name);
        }
        if (isGoal(group)) {
            if (d.name.empty()) {
                files_.report().add(files_.path(itemFile), d.line, "the goal has no name for the goal panel");
            }
            files_.require(entry.path + prefix + d.image, itemFile, d.line, "the silhouette");
        }
    }
    checkVisibility(itemFile, entry.path, registry, items);
    checkMechanics(entry, registry);
}

void SceneCheck::checkVisibility(const std::string& itemFile, const std::string& folder,
                                 const ItemRegistry& registry, const std::vector<Item*>& items) {
    struct Drawn {
        const Item* item;
        int x, y;
        std::shared_ptr<AlphaPicture> picture;
    };
    std::vector<Drawn> drawn;
    for (const Item* item : items) {
        const ItemDescription& d = item->description();
        if (isDisplayed(registry.groupOf(item)) && files_.exists(folder + d.image)) {
            drawn.push_back({item, static_cast<int>(d.x), static_cast<int>(d.y),
                             std::make_shared<AlphaPicture>(files_.path(folder + d.image))});
        }
    }
    std::stable_sort(drawn.begin(), drawn.end(), [](const Drawn& a, const Drawn& b) {
        return a.item->description().layer < b.item->description().layer;
    });
    // The goal panel lies over the bottom right corner of the scene.
    const std::string panel = "content/images/scenegui/GUIBase.png";
    if (files_.exists(panel)) {
        auto picture = std::make_shared<AlphaPicture>(files_.path(panel));
        drawn.push_back({nullptr, 1024 - picture->width, 768 - picture->height, picture});
    }
    for (std::size_t i = 0; i < drawn.size(); ++i) {
        const Drawn& goal = drawn[i];
        if (!goal.item || !isGoal(registry.groupOf(goal.item))) {
            continue;
        }
        int opaque = 0;
        int visible = 0;
        for (int y = 0; y < goal.picture->height; ++y) {
            for (int x = 0; x < goal.picture->width; ++x) {
                if (goal.picture->at(x, y) < 128) {
                    continue;
                }
                ++opaque;
                const int sx = goal.x + x;
                const int sy = goal.y + y;
                bool covered = sx < 0 || sy < 0 || sx >= 1024 || sy >= 768;
                for (std::size_t j = i + 1; j < drawn.size() && !covered; ++j) {
                    const Drawn& above = drawn[j];
                    covered = sx >= above.x && sy >= above.y && sx < above.x + above.picture->width &&
                              sy < above.y + above.picture->height && above.picture->at(sx - above.x, sy - above.y) > 0;
                }
                visible += covered ? 0 : 1;
            }
        }
        if (opaque == 0 || visible < MinimumVisibleShare * opaque) {
            files_.report().add(files_.path(itemFile), goal.item->description().line,
                                "the goal " + goal.item->description().name + " is hidden: only " +
                                    std::to_string(opaque ? 100 * visible / opaque : 0) +
                                    "% of it can be clicked (at least 25% must)");
        }
    }
}

void SceneCheck::checkMechanics(const SceneIndexEntry& entry, ItemRegistry& registry) {
    const std::string file = paths_.config + SceneMechanics::locationFileName(entry.id);
    if (!files_.require(file, IndexFile, entry.line, "")) {
        return;
    }
    SceneMechanics mechanics;
    if (!mechanics.load(file)) {
        return;
    }
    SeededRandom random(1);
    GoalChooser chooser(registry, entry.id, random, true);
    int chosenTotal = 0;
    int number = 0;
    for (const MechanicsStep& step : mechanics.steps()) {
        ++number;
        if (step.kind != MechanicsStep::CollectGroup) {
            continue;
        }
        if (step.identifier != "COUNT_STACK_GOAL_RENDERER" && step.identifier != "SILHOUETTE_GOAL_RENDERER") {
            files_.report().add(files_.path(file), step.line,
                                "the step names no goal panel (COUNT_STACK_GOAL_RENDERER or SILHOUETTE_GOAL_RENDERER)");
        }
        for (const CollectRule& rule : step.collect) {
            // The chooser cuts the candidates to the count: fewer means too few.
            const int candidates = static_cast<int>(chooser.candidates(rule).size());
            if (candidates == 0 || (rule.pick != CollectRule::All && rule.count > candidates)) {
                std::string kinds;
                for (int typeId : rule.typeIds) {
                    kinds += (kinds.empty() ? "" : ",") + std::to_string(typeId);
                }
                files_.report().add(files_.path(file), rule.line,
                                    "the rule asks for " +
                                        (rule.count < 0 ? std::string("every") : std::to_string(rule.count)) +
                                        " of typeIds " + kinds + " but only " + std::to_string(candidates) +
                                        " candidates are left");
            }
        }
        const std::size_t before = registry.items(ItemRegistry::Goals, entry.id).size();
        chooser.fill(step);
        const int goals = static_cast<int>(registry.items(ItemRegistry::Goals, entry.id).size() - before);
        if (goals == 0) {
            files_.report().add(files_.path(file), step.line, "step " + std::to_string(number) + " chooses no goals");
        }
        chosenTotal += goals;
    }
    if (chosenTotal != ObjectsPerScene) {
        files_.report().add(files_.path(file), mechanics.line(),
                            "the steps choose " + std::to_string(chosenTotal) +
                                " objects, but a scene is completed when " + std::to_string(ObjectsPerScene) +
                                " are found");
    }
}
