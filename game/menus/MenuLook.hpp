#pragma once

#include <string>

#include "engine/dialogs/MessageDialogDescription.hpp"
#include "engine/widgets/TarvikButtonStyle.hpp"

// The look the menus share: their buttons (the parchment button pictures with
// a label text), their question dialogs and where a dialog sits on screen.
namespace MenuLook {

constexpr const char* QuestionOpening = "content/animations/UniversalDialog/MessageDialogStart.xml";
constexpr const char* QuestionClosing = "content/animations/UniversalDialog/MessageDialogClose.xml";

// The localized text of a label key.
std::string label(const std::string& key);

// A menu button with the label text of captionKey on the shared button pictures.
TarvikButtonStyle button(const std::string& captionKey);

// A 420 x 520 two-button question with the universal dialog animations,
// centred on the configured screen. firstKey is the answer 0.
MessageDialogDescription question(const std::string& captionKey, const std::string& messageKey,
                                  const std::string& firstKey, const std::string& secondKey);

// The configured screen size (the application's when nothing is configured).
int screenWidth();
int screenHeight();

}  // namespace MenuLook
