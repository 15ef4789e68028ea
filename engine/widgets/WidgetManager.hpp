#pragma once

#include <utility>
#include <vector>

#include "engine/core/InputListener.hpp"

class Graphics;
class ScreenBase;
class Widget;

// Keeps one screen's widgets ordered by depth (nearest first), updates and
// draws them, and routes input: mouse events to the widget under the pointer
// with hover and drag-capture rules, key events to the focused widget. It does
// not own the widgets. Any change of the list stops the current walk and
// makes mouse input wait for the next update, so widgets may be removed from
// inside their own callbacks (through the screen's deferred removal).
class WidgetManager : public InputListener {
public:
    explicit WidgetManager(ScreenBase* owner);

    WidgetManager(const WidgetManager&) = delete;
    WidgetManager& operator=(const WidgetManager&) = delete;

    // A widget with z below 1 is put on top of all others.
    void add(Widget* widget);
    void remove(Widget* widget);
    void bringToFront(Widget* widget);
    void setFocus(Widget* widget);
    // The nearest enabled widget containing the point, or null.
    Widget* widgetAt(int x, int y) const;
    // Called by a widget from its draw to be drawn again, in ascending order,
    // after all widgets.
    void requestOverlay(Widget* widget, int order);

    // False when the walk was cut short because the widget list changed.
    bool update(int milliseconds, ScreenBase* screen);
    void draw(Graphics* graphics, ScreenBase* screen);
    void onKeyEvent(const KeyEvent& event) override;
    void onMouseEvent(const MouseEvent& event) override;

    void setInputEnabled(bool enabled) { inputEnabled_ = enabled; }
    bool isInputEnabled() const { return inputEnabled_; }
    void setOffsets(int x, int y) {
        offsetX_ = x;
        offsetY_ = y;
    }
    int getOffsetX() const { return offsetX_; }
    int getOffsetY() const { return offsetY_; }

    bool contains(const Widget* widget) const;
    const std::vector<Widget*>& getWidgets() const { return widgets_; }
    Widget* getHovered() const { return hovered_; }
    Widget* getCaptured() const { return captured_; }
    Widget* getFocused() const { return focused_; }
    bool isListChanged() const { return listChanged_; }
    ScreenBase* getOwner() const { return owner_; }

private:
    int largestZ() const;
    void sortByDepth();
    void refreshHover(Widget* widget, bool checkEnabled);
    void handlePress(const MouseEvent& event, Widget* target);
    void handleRelease(const MouseEvent& event, Widget* target);
    void handleMove(const MouseEvent& event, Widget* target);
    // The widget if it is still managed here; callbacks may have removed it.
    Widget* stillManaged(Widget* widget) const { return contains(widget) ? widget : nullptr; }

    int offsetX_ = 0;
    int offsetY_ = 0;
    std::vector<Widget*> widgets_;
    std::vector<std::pair<Widget*, int>> overlayRequests_;
    Widget* hovered_ = nullptr;
    Widget* captured_ = nullptr;
    Widget* focused_ = nullptr;
    bool listChanged_ = false;
    ScreenBase* owner_;
    bool inputEnabled_ = true;
};
