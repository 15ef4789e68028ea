#pragma once

// A key press or release as the states receive it.
struct KeyEvent {
    enum Action { Press = 0, Release = 1 };
    // The key symbols the screens react to by themselves.
    static constexpr int EscapeKey = 27;
    static constexpr int ReturnKey = 13;
    static constexpr int KeypadEnterKey = 271;

    int key = 0;        // SDL key symbol
    int modifiers = 0;  // SDL modifier mask
    int action = Press;
    int unicode = 0;
    char character = 0;
};
