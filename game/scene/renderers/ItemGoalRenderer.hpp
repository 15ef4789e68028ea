#pragma once

#include <vector>

#include "engine/render/Point.hpp"
#include "engine/widgets/Widget.hpp"

class HOScene;
class Item;
class ItemRegistry;

// The panel that lists what the player must find now. Only the goals it shows
// get enabled renderers, so a goal that is not on the panel cannot be found.
// A widget of its scene; the scene refills it whenever the items change.
class ItemGoalRenderer : public Widget {
public:
    struct GoalEntry {
        Item* item = nullptr;
        int group = 0;
        int index = 0;
    };

    // With no item the whole panel is built; otherwise item was just collected.
    virtual void layout(Item* item) = 0;
    // Called once when the scene installs the panel.
    virtual void initialise() {}
    virtual std::vector<GoalEntry> shownGoals() const = 0;
    // Where the flight of a found item ends, in screen coordinates.
    virtual Point targetPoint(Item* item) const = 0;

    // Replaces the entries with the owner scene's items of the source groups,
    // sorted by their index in the item file.
    void fill(const ItemRegistry& registry);

    void setOwner(HOScene* owner) { owner_ = owner; }
    HOScene* getOwner() const { return owner_; }
    const std::vector<GoalEntry>& getGoalEntries() const { return entries_; }

protected:
    HOScene* owner_ = nullptr;
    std::vector<GoalEntry> entries_;
    std::vector<int> sourceGroups_{2};
};
