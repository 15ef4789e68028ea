#pragma once

#include "engine/render/Color.hpp"
#include "engine/widgets/Widget.hpp"

class Texture;

// One picture drawn at the widget's position, tinted with its colour. The
// texture is not owned (it belongs to a resource manager). Setting a picture
// makes the widget as large as it.
class ImageWidget : public Widget {
public:
    explicit ImageWidget(Texture* texture = nullptr, int x = 0, int y = 0);

    void draw(Graphics* graphics, ScreenBase* screen) override;

    void setImage(Texture* texture);
    Texture* getImage() const { return texture_; }
    void setColor(const Color& color) { color_ = color; }
    const Color& getColor() const { return color_; }

private:
    Texture* texture_ = nullptr;
    Color color_;
};
