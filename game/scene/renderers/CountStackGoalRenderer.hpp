#pragma once

#include <memory>
#include <string>
#include <vector>

#include "game/scene/renderers/BaseGoalRenderer.hpp"

class TinyAction;

// The goal panel that lists goals as text in a grid of cells. Goals of a
// kind that comes in several alike pieces (typeId 201 to 299) share one line
// with a count ("Key x 3"); when a line is finished its column closes up and
// the next waiting line enters at the bottom.
class CountStackGoalRenderer : public BaseGoalRenderer {
public:
    static constexpr const char* Identifier = "COUNT_STACK_GOAL_RENDERER";
    static constexpr int StackWidth = 164;
    static constexpr int StackHeight = 42;
    static constexpr int SlideLength = 500;

    struct Stack {
        int slot = -1;
        int alpha = 255;
        float x = 0.0f;
        float y = 0.0f;
        int width = StackWidth;
        std::string name;
        std::vector<Item*> items;
        int count() const { return static_cast<int>(items.size()); }
        std::string text() const;
    };

    CountStackGoalRenderer(const ConfigFile* parameters, Font* font);
    ~CountStackGoalRenderer() override;

    void layout(Item* item) override;
    std::vector<GoalEntry> shownGoals() const override;
    Point targetPoint(Item* item) const override;
    void update(int milliseconds, ScreenBase* screen) override;
    void draw(Graphics* graphics, ScreenBase* screen) override;

    // Stops the slide animation (the scene's short goal lists do not slide).
    void setNoSlide(bool noSlide) { noSlide_ = noSlide; }
    int getRows() const { return rows_; }
    int getColumns() const { return columns_; }
    // The stack in each cell (null for an empty cell).
    std::vector<const Stack*> cellStacks() const;
    int pendingCount() const { return static_cast<int>(pending_.size()); }
    bool isSliding() const;

private:
    void build();
    void collect(Item* item);
    void fillCell(int cell, Stack* stack);
    Point cellPosition(int cell) const;
    int cellCount() const { return static_cast<int>(cells_.size()); }

    int rows_;
    int columns_;
    std::vector<Point> cells_;
    std::vector<std::unique_ptr<Stack>> stacks_;
    std::vector<Stack*> shown_;
    std::vector<Stack*> pending_;
    bool built_ = false;
    bool noSlide_ = false;
    std::unique_ptr<TinyAction> slide_;
};
