#pragma once

#include "engine/render/Color.hpp"

class Graphics;

// The caret of a text input: a rectangle of the given height and colour that
// the field moves to the caret position (relative to the field). Concrete
// cursors decide when it shows.
class TextInputCursor {
public:
    TextInputCursor(int height, const Color& color) : height_(height), color_(color) {}
    virtual ~TextInputCursor() = default;

    virtual void update(int milliseconds) = 0;
    virtual void draw(Graphics* graphics) = 0;
    // Makes the cursor visible at once, as after a caret move.
    virtual void restart() = 0;

    void moveTo(int x, int y) {
        x_ = x;
        y_ = y;
    }
    int getX() const { return x_; }
    int getY() const { return y_; }
    int getHeight() const { return height_; }
    void setHeight(int height) { height_ = height; }
    const Color& getColor() const { return color_; }

private:
    int x_ = 0;
    int y_ = 0;
    int height_;
    Color color_;
};
