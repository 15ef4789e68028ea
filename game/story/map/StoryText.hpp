#pragma once

#include <string>

#include "engine/render/IntRect.hpp"

class Font;
class Graphics;

// The lettering of the story's screens (map, announcement, painting): warm
// ink with a soft dark shadow, so it reads over any picture.
namespace StoryText {

// One line centred on the configured screen's width, its top at y.
void centredLine(Graphics* graphics, Font* font, int y, const std::string& text);
// Text wrapped and centred in a box on a dark band (vAlign one of Font's
// vertical alignments).
void box(Graphics* graphics, Font* font, const IntRect& box, const std::string& text, int vAlign);

}  // namespace StoryText
