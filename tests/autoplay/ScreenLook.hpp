#pragma once

#include <string>

#include "engine/render/Point.hpp"

class MessageDialog;
class ScreenBase;
class Widget;

// What the bot sees of any screen: whether it takes input, where a control
// can really be pressed, and the question or message it shows.
namespace ScreenLook {

// Shown (not fading in or out), listening to the pointer and its widget list settled.
bool takesInput(const ScreenBase& screen);
// A point of the screen in design coordinates (where the pointer goes).
Point designPoint(const ScreenBase& screen, int x, int y);
// The middle of the widget in design coordinates, when a press there reaches it.
bool pressable(const ScreenBase& screen, const Widget* widget, Point* at);
// The same for a button its dialog draws (the button itself is not shown).
bool pressableInDialog(const ScreenBase& screen, const Widget* button, Point* at);
// The first button (TarvikButton or simple button) with that id, or null.
const Widget* button(const ScreenBase& screen, int id);
// The topmost message or question dialog among the screen's widgets, or null.
const MessageDialog* dialog(const ScreenBase& screen);

}  // namespace ScreenLook
