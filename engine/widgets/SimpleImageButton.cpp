#include "engine/widgets/SimpleImageButton.hpp"

#include "engine/render/Graphics.hpp"
#include "engine/render/Texture.hpp"

SimpleImageButton::SimpleImageButton(SimpleButtonListener* listener, int id, const ButtonImages& images)
    : SimpleTextButton(listener, id, nullptr, std::string()), images_(images) {
    if (images_.normal != nullptr) {
        setGeometry(0, 0, images_.normal->getWidth(), images_.normal->getHeight());
    }
}

void SimpleImageButton::paint(Graphics* graphics) {
    if (Texture* image = images_.forState(isPressed(), isHighlighted())) {
        graphics->drawImage(0, 0, image, Color::white());
    }
}
