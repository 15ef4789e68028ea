#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "game/scene/data/ItemRendererRule.hpp"

#include "engine/core/SingletonContainer.hpp"

class Item;
class ItemRenderer;
class ItemRendererOwner;
class RandomSource;

// Makes item renderers: the renderer rules of the scenes loaded so far (in
// load order) pick a renderer id for an item, and the creator registered for
// that id builds it. One per process, reached through instance(); scenes
// start it afresh with reset() before registering their creators.
class ItemRendererFactory : public SingletonContainer<ItemRendererFactory> {
public:
    enum StandardId { Collectable = 0, Overlay = 1, CollectableAlt = 2, AnimPlayer = 3 };
    using Creator = std::function<ItemRenderer*(ItemRendererOwner* owner, Item* item)>;

    void registerCreator(int rendererId, Creator creator);
    // Registers the renderers of the game's scenes (ids 0 to 3).
    void registerStandardCreators(RandomSource& random);

    // Appends the rules of the file; a missing or broken file adds none and
    // says so in one line.
    bool loadRules(const std::string& path);
    void addRule(const ItemRendererRule& rule) { rules_.push_back(rule); }
    const std::vector<ItemRendererRule>& getRules() const { return rules_; }

    // The renderer id of the first rule matching the query, -1 when none does.
    int rendererIdFor(const ItemRendererFactoryInput& query) const;
    // A new renderer for the item (the caller owns it), or null when no rule
    // matches or the id has no creator.
    ItemRenderer* create(const ItemRendererFactoryInput& query, ItemRendererOwner* owner, Item* item) const;

private:
    std::map<int, Creator> creators_;
    std::vector<ItemRendererRule> rules_;
};
