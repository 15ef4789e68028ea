#pragma once

#include <vector>

// How the content files read numbers from attribute and value text.
class XmlNumber {
public:
    // The leading decimal number of text (optional blanks and sign first);
    // trailing text is ignored, no digits or a null text give 0, values
    // beyond 32 bits are clamped.
    static int leadingInt(const char* text);
    // A comma-separated list, each piece read with leadingInt; a null or
    // empty text gives no numbers, and a comma at the end adds none.
    static std::vector<int> list(const char* text);
};
