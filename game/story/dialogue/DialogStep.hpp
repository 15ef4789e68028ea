#pragma once

#include <functional>
#include <string>

#include <tinyxml2.h>

class CharacterLibrary;
class XmlFile;

// One step of a dialogue: a character enters, talks or leaves, and the step
// either waits for a click (timeout -1) or lasts its timeout.
struct DialogStep {
    enum Kind { Unknown = -1, Enter = 0, Talk = 1, Leave = 2 };
    static constexpr int WaitForClick = -1;

    int character = -1;
    int kind = Unknown;
    // The label key of a Talk step and its localized text with the player's name in it.
    std::string textLabel;
    std::string text = "UNKNOWN";
    int timeout = WaitForClick;
    int line = 0;

    // Turns a label key into the text shown (localized, name filled in).
    using TextSource = std::function<std::string(const std::string& key)>;

    // Reads one child of Sequence; the element name gives the kind. Reports
    // through file an unknown kind, a missing or unknown character, a
    // continue other than "click" or "timeout" (the step then keeps no
    // character), a timeout that is not a whole number and a Talk without textLabel.
    static DialogStep read(const XmlFile& file, const tinyxml2::XMLElement* element, const CharacterLibrary& library,
                           const TextSource& textOf);
};
