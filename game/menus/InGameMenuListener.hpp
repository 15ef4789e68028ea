#pragma once

// Told by the in-game menu how it was closed.
class InGameMenuListener {
public:
    enum Result { Resume = 0, MainMenu = 1 };

    virtual ~InGameMenuListener() = default;
    virtual void inGameMenuClosed(int result) = 0;
};
