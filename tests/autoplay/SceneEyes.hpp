#pragma once

#include "engine/render/Point.hpp"

class ChronaScene;
class Item;
class Widget;

// What a player with perfect eyes sees of a hidden-object scene: where a goal
// is really visible (topmost under the pointer, its picture opaque there, no
// control above it, and the same a couple of pixels around, so that a run a
// frame apart still finds it), and the button of the message on show.
// Points are design coordinates.
namespace SceneEyes {

// A point where a press finds the goal, as far inside its visible part as
// can be found; false when none is visible.
bool visiblePixel(const ChronaScene& scene, Item* goal, Point* at);
// A point where a press hits no goal on the panel and no control: a miss.
bool emptyPixel(const ChronaScene& scene, Point* at);
// The first button of the message the scene shows, or null.
const Widget* messageButton(const ChronaScene& scene);
// The middle of that button, when a press there reaches it.
bool noticeButton(const ChronaScene& scene, Point* at);

}  // namespace SceneEyes
