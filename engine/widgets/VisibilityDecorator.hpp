#pragma once

// Gives a class that is drawn by a widget, without being one, a visible flag.
class VisibilityDecorator {
public:
    bool isVisible() const { return visible_; }
    void setVisible(bool visible) { visible_ = visible; }

protected:
    bool visible_ = true;
};
