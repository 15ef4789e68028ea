#pragma once

#include "engine/core/KeyEvent.hpp"
#include "engine/core/MouseEvent.hpp"
#include "engine/core/ReferenceCountable.hpp"
#include "engine/widgets/WidgetBounds.hpp"

class Graphics;
class ScreenBase;
class WidgetManager;

// An on-screen element. Its screen owns it; the screen's WidgetManager only
// references it, draws it (the matrix already translated to x, y) and routes
// input to it. Coordinates exclude the letterbox offset.
class Widget : public ReferenceCountable {
public:
    ~Widget() override = default;

    virtual void onAttached() {}
    virtual void onDetached() {}
    virtual void update(int /*milliseconds*/, ScreenBase* /*screen*/) {}
    virtual void draw(Graphics* /*graphics*/, ScreenBase* /*screen*/) {}
    virtual void drawOverlay(Graphics* /*graphics*/, ScreenBase* /*screen*/) {}
    virtual void onMousePress(const MouseEvent& /*event*/) {}
    virtual void onMouseMove(const MouseEvent& /*event*/) {}
    virtual void onMouseRelease(const MouseEvent& /*event*/) {}
    virtual void onKeyEvent(const KeyEvent& /*event*/) {}
    virtual void onMouseLeave() {}
    virtual void onMouseEnter() {}
    virtual void activate() {}
    virtual void deactivate() {}
    virtual void onBoundsChanged(const WidgetBounds& /*oldBounds*/, const WidgetBounds& /*newBounds*/) {}
    virtual void onMoved(const WidgetBounds& /*oldBounds*/, const WidgetBounds& /*newBounds*/) {}
    virtual void onResized(const WidgetBounds& /*oldBounds*/, const WidgetBounds& /*newBounds*/) {}
    virtual bool hitTest(int x, int y) const;
    virtual void onFocusGained() {}
    virtual void onFocusLost() {}

    void setBounds(const WidgetBounds& bounds);
    void setGeometry(int x, int y, int width, int height);
    void setPosition(int x, int y);

    const WidgetBounds& getBounds() const { return bounds_; }
    int getX() const { return bounds_.x; }
    int getY() const { return bounds_.y; }
    int getZ() const { return bounds_.z; }
    int getWidth() const { return bounds_.width; }
    int getHeight() const { return bounds_.height; }

    bool isEnabled() const { return enabled_; }
    void setEnabled(bool enabled) { enabled_ = enabled; }
    bool isVisible() const { return visible_; }
    void setVisible(bool visible) { visible_ = visible; }
    WidgetManager* getManager() const { return manager_; }

private:
    friend class WidgetManager;

    WidgetBounds bounds_;
    bool enabled_ = true;
    WidgetManager* manager_ = nullptr;
    bool visible_ = true;
};
