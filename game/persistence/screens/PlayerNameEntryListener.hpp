#pragma once

#include <string>

// Told by the name entry that the player confirmed a name (the profile has
// already been created or renamed).
class PlayerNameEntryListener {
public:
    virtual ~PlayerNameEntryListener() = default;
    virtual void nameEntered(bool renamed, const std::string& name) = 0;
};
