#pragma once

#include <memory>
#include <vector>

#include "engine/core/RandomSource.hpp"
#include "engine/render/CpuTextureFactory.hpp"
#include "game/scene/HOScene.hpp"
#include "game/scene/data/Item.hpp"
#include "game/scene/renderers/ItemGoalRenderer.hpp"
#include "game/scene/renderers/ItemRenderer.hpp"
#include "game/scene/renderers/ItemRendererFactory.hpp"
#include "game/scene/renderers/TexItemRenderer.hpp"

// A goal panel that lists every goal and enables all of them.
class ListAllGoals : public ItemGoalRenderer {
public:
    void layout(Item* /*item*/) override {
        for (const GoalEntry& entry : entries_) {
            if (entry.item->getRenderer()) {
                entry.item->getRenderer()->setEnabled(true);
            }
        }
        ++layouts;
    }
    std::vector<GoalEntry> shownGoals() const override { return entries_; }
    Point targetPoint(Item* /*item*/) const override { return Point(500.0f, 700.0f); }
    int layouts = 0;
};

// A scene that records its hooks, reads CPU textures and installs a
// ListAllGoals panel for every CollectGroup step. With plainPictures the
// collectable ids make TexItemRenderers, which take a found item at once.
class ProbeScene : public HOScene {
public:
    ProbeScene(const std::string& mechanics, int startStep = 0,
               const std::string& renderers = "renderers.xml", bool plainPictures = false, int sceneId = 101)
        : HOScene(sceneId, "content/config/s101/", renderers, mechanics, "groups.xml", startStep), seeded(7) {
        setTextureFactory(std::make_unique<CpuTextureFactory>());
        setRandomSource(&seeded);
        ItemRendererFactory& factory = ItemRendererFactory::instance();
        factory.registerStandardCreators(seeded);
        if (plainPictures) {
            for (int id : {ItemRendererFactory::Collectable, ItemRendererFactory::CollectableAlt}) {
                factory.registerCreator(id, [](ItemRendererOwner* owner, Item* item) -> ItemRenderer* {
                    return new TexItemRenderer(owner, item);
                });
            }
        }
    }

    using HOScene::fillGoals;

    void onItemMissed() override { ++missed; }
    void onItemCollected(Item* item) override { collected.push_back(item); }
    void onAllStepsDone() override { ++allStepsDone; }
    void onItemsFirstLoaded() override { ++firstLoads; }
    void setupGoalRenderer(const MechanicsStep& step) override {
        if (step.kind == MechanicsStep::CollectGroup) {
            panel = new ListAllGoals();
            setGoalRenderer(panel);
            ++panelsInstalled;
        }
    }

    SeededRandom seeded;
    int missed = 0;
    int allStepsDone = 0;
    int firstLoads = 0;
    int panelsInstalled = 0;
    ListAllGoals* panel = nullptr;
    std::vector<Item*> collected;
};
