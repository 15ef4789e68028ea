#include "game/scene/renderers/CountStackGoalRenderer.hpp"

#include <algorithm>

#include "engine/core/Log.hpp"
#include "engine/actions/TinyParalelAction.hpp"
#include "engine/actions/TinyRelIncrementator.hpp"
#include "engine/render/Graphics.hpp"
#include "engine/text/Font.hpp"
#include "game/scene/data/Item.hpp"
#include "game/scene/renderers/ItemRenderer.hpp"

namespace {
const char* const kPrefix = "StackedRenderer.Configuration1.";
// A panel without a usable grid in the parameters still shows its goals.
const int kFallbackRows = 3;
const int kFallbackColumns = 2;

bool stacksAlike(const Item* item) {
    const int typeId = item->description().typeId;
    return typeId >= 201 && typeId <= 299;
}
}  // namespace

std::string CountStackGoalRenderer::Stack::text() const {
    return count() < 2 ? name : name + " x " + std::to_string(count());
}

CountStackGoalRenderer::CountStackGoalRenderer(const ConfigFile* parameters, Font* font)
    : BaseGoalRenderer(parameters, font),
      rows_(parameter(std::string(kPrefix) + "rows", -1)),
      columns_(parameter(std::string(kPrefix) + "columns", -1)) {
    if (rows_ < 1 || columns_ < 1) {
        logWarning("goal panel: %srows and columns missing or below 1, using %d x %d", kPrefix, kFallbackRows,
                   kFallbackColumns);
        rows_ = kFallbackRows;
        columns_ = kFallbackColumns;
    }
    for (int r = 0; r < rows_; ++r) {
        for (int c = 0; c < columns_; ++c) {
            cells_.emplace_back(static_cast<float>(192 + c * (600 / columns_)), static_cast<float>(75 + 27 * r));
        }
    }
    shown_.assign(cells_.size(), nullptr);
}

CountStackGoalRenderer::~CountStackGoalRenderer() = default;

Point CountStackGoalRenderer::cellPosition(int cell) const {
    return cells_[static_cast<std::size_t>(cell)];
}

void CountStackGoalRenderer::layout(Item* item) {
    if (item) {
        collect(item);
    } else if (!built_) {
        build();
    }
}

void CountStackGoalRenderer::build() {
    built_ = true;
    std::vector<Stack*> formed;
    for (const GoalEntry& entry : entries_) {
        entry.item->id = -1;
    }
    for (const GoalEntry& entry : entries_) {
        Item* item = entry.item;
        Stack* stack = nullptr;
        if (stacksAlike(item)) {
            for (Stack* candidate : formed) {
                if (candidate->name == item->description().name) {
                    stack = candidate;
                }
            }
        }
        if (!stack) {
            stacks_.push_back(std::make_unique<Stack>());
            stack = stacks_.back().get();
            stack->name = item->description().name;
            stack->slot = item->id >= 0 ? item->id : -1;
            formed.push_back(stack);
        }
        stack->items.push_back(item);
    }
    std::stable_sort(formed.begin(), formed.end(), [](const Stack* a, const Stack* b) { return a->slot > b->slot; });
    const int shownCount = std::min(cellCount(), static_cast<int>(formed.size()));
    for (int i = 0; i < shownCount; ++i) {
        Stack* stack = formed.back();
        formed.pop_back();
        fillCell(i, stack);
        stack->y = cellPosition(i).y;
    }
    pending_ = formed;
}

void CountStackGoalRenderer::fillCell(int cell, Stack* stack) {
    shown_[static_cast<std::size_t>(cell)] = stack;
    if (!stack) {
        return;
    }
    stack->slot = cell;
    stack->x = cellPosition(cell).x;
    for (Item* item : stack->items) {
        item->id = cell;
        if (item->getRenderer()) {
            item->getRenderer()->offerAsGoal();
        }
    }
}

void CountStackGoalRenderer::collect(Item* item) {
    const int slot = item->id;
    item->id = -2;
    if (slot < 0 || slot >= cellCount() || !shown_[static_cast<std::size_t>(slot)]) {
        return;
    }
    Stack* stack = shown_[static_cast<std::size_t>(slot)];
    stack->items.erase(std::remove(stack->items.begin(), stack->items.end(), item), stack->items.end());
    if (stack->count() > 0) {
        return;
    }
    int j = slot;
    for (; j < cellCount() - columns_; j += columns_) {
        fillCell(j, shown_[static_cast<std::size_t>(j + columns_)]);
    }
    Stack* next = nullptr;
    if (!pending_.empty()) {
        next = pending_.back();
        pending_.pop_back();
    }
    fillCell(j, next);
    if (next) {
        next->y = cellPosition(j).y + StackHeight;
    }
    if (noSlide_) {
        for (int cell = 0; cell < cellCount(); ++cell) {
            if (Stack* shown = shown_[static_cast<std::size_t>(cell)]) {
                shown->y = cellPosition(cell).y;
            }
        }
        return;
    }
    auto* slide = new TinyParalelAction();
    for (int cell = 0; cell < cellCount(); ++cell) {
        if (Stack* shown = shown_[static_cast<std::size_t>(cell)]) {
            slide->addAction(new TinyRelIncrementator<float>(SlideLength, &shown->y, cellPosition(cell).y - shown->y));
        }
    }
    slide_.reset(slide);
    slide_->start(this, 0);
}

bool CountStackGoalRenderer::isSliding() const {
    return slide_ && slide_->isRunning();
}

void CountStackGoalRenderer::update(int milliseconds, ScreenBase* /*screen*/) {
    if (slide_) {
        slide_->update(milliseconds);
    }
}

std::vector<const CountStackGoalRenderer::Stack*> CountStackGoalRenderer::cellStacks() const {
    return std::vector<const Stack*>(shown_.begin(), shown_.end());
}

std::vector<ItemGoalRenderer::GoalEntry> CountStackGoalRenderer::shownGoals() const {
    std::vector<GoalEntry> goals;
    for (const GoalEntry& entry : entries_) {
        if (entry.item->id >= 0) {
            goals.push_back(entry);
        }
    }
    return goals;
}

Point CountStackGoalRenderer::targetPoint(Item* item) const {
    for (const Stack* stack : shown_) {
        if (stack && stack->name == item->description().name) {
            // The flight ends on the middle of the stack's line.
            return toScreen(static_cast<float>(static_cast<int>(stack->x) + StackWidth / 2),
                            static_cast<float>(static_cast<int>(stack->y) + StackHeight / 2));
        }
    }
    return Point(0.0f, 0.0f);
}

void CountStackGoalRenderer::draw(Graphics* graphics, ScreenBase* /*screen*/) {
    drawBackground(graphics);
    if (!font_) {
        return;
    }
    for (const Stack* stack : shown_) {
        if (stack) {
            font_->drawTextInBox(graphics, IntRect(static_cast<int>(stack->x), static_cast<int>(stack->y), StackWidth,
                                                   StackHeight),
                                 stack->text(), Color(255, 255, 255, static_cast<std::uint8_t>(stack->alpha)),
                                 Font::kAlignCenter, Font::kAlignMiddle, false);
        }
    }
}
