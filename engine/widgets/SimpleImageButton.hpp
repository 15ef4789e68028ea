#pragma once

#include "engine/widgets/ButtonImages.hpp"
#include "engine/widgets/SimpleTextButton.hpp"

// A simple button that shows pictures instead of text: the over picture
// while highlighted, the pressed one while pressed. It behaves exactly like
// SimpleTextButton. The pictures are not owned.
class SimpleImageButton : public SimpleTextButton {
public:
    SimpleImageButton(SimpleButtonListener* listener, int id, const ButtonImages& images);

protected:
    void paint(Graphics* graphics) override;

private:
    ButtonImages images_;
};
