#pragma once

#include <string>

// Told by a text input after every edit the player makes, with the new text.
class TextInputListener {
public:
    virtual ~TextInputListener() = default;
    virtual void onTextChanged(int id, const std::string& text) = 0;
};
