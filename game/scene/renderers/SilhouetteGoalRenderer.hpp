#pragma once

#include <map>
#include <memory>
#include <vector>

#include "game/scene/renderers/BaseGoalRenderer.hpp"

class TinyAction;

// The goal panel that shows the first few goals as silhouettes in a row of
// slots, with the number of goals still open beside them. When a goal is
// found the others slide up into the freed slots.
class SilhouetteGoalRenderer : public BaseGoalRenderer {
public:
    static constexpr const char* Identifier = "SILHOUETTE_GOAL_RENDERER";
    static constexpr int FitSize = 84;
    // Where the second panel picture and the count of open goals stand on the screen.
    static constexpr int SecondBackgroundX = 836;
    static constexpr int SecondBackgroundY = 148;
    static constexpr int CounterX = 840;
    static constexpr int CounterY = 176;
    static constexpr int CounterWidth = 42;
    static constexpr int CounterHeight = 22;
    static constexpr int SlideLength = 300;

    SilhouetteGoalRenderer(const ConfigFile* parameters, Font* font);
    ~SilhouetteGoalRenderer() override;

    void layout(Item* item) override;
    std::vector<GoalEntry> shownGoals() const override { return shown_; }
    Point targetPoint(Item* item) const override;
    void update(int milliseconds, ScreenBase* screen) override;
    void draw(Graphics* graphics, ScreenBase* screen) override;

    int getShownCount() const { return shownCount_; }
    // Panel-relative top-left corner of slot i.
    Point slotPosition(int slot) const;
    // The drawn silhouette of a goal, or null.
    Texture* silhouetteOf(const Item* item) const;

private:
    void loadSilhouettes();

    int shownCount_;
    int slotWidth_;
    std::vector<Point> slots_;
    std::vector<GoalEntry> shown_;
    // Horizontal place of each shown goal while it slides into its slot.
    std::map<const Item*, float> drawnX_;
    std::map<const Item*, Texture*> silhouettes_;
    std::unique_ptr<TinyAction> slide_;
};
