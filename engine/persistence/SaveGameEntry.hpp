#pragma once

class SaveGame;

// One named piece of the save file that writes and reads its own payload.
// The store owns its entries and calls them in the order of their names.
class SaveGameEntry {
public:
    virtual ~SaveGameEntry() = default;
    virtual bool readFrom(SaveGame& store) = 0;
    virtual bool writeTo(SaveGame& store) = 0;
};
