#pragma once

// How the scene and content files read numbers from attribute text.
class XmlNumber {
public:
    // The leading decimal number of text (optional blanks and sign first);
    // trailing text is ignored, no digits or a null text give 0, values
    // beyond 32 bits are clamped.
    static int leadingInt(const char* text);
};
