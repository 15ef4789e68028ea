#include "engine/widgets/ImageWidget.hpp"

#include "engine/render/Graphics.hpp"
#include "engine/render/Texture.hpp"

ImageWidget::ImageWidget(Texture* texture, int x, int y) {
    setPosition(x, y);
    setImage(texture);
}

void ImageWidget::draw(Graphics* graphics, ScreenBase* /*screen*/) {
    if (texture_ != nullptr) {
        graphics->drawImage(0, 0, texture_, color_);
    }
}

void ImageWidget::setImage(Texture* texture) {
    texture_ = texture;
    if (texture_ != nullptr) {
        setGeometry(getX(), getY(), texture_->getWidth(), texture_->getHeight());
    }
}
