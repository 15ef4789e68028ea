#pragma once

#include <map>
#include <memory>
#include <string>

#include "engine/persistence/SaveGameEntry.hpp"

// A name-keyed set of self-serialising entries written and read in one go.
// The payloads follow each other in the ascending byte order of the entry
// names; the store owns every entry registered with it.
class SaveGame {
public:
    SaveGame() = default;
    virtual ~SaveGame() = default;

    SaveGame(const SaveGame&) = delete;
    SaveGame& operator=(const SaveGame&) = delete;

    virtual void save() = 0;
    virtual bool load() = 0;
    virtual void writeBytes(const void* data, int count) = 0;
    virtual void readBytes(void* data, int count) = 0;

    // Takes ownership; an entry already under this name is destroyed.
    void addEntry(const std::string& name, std::unique_ptr<SaveGameEntry> entry);
    SaveGameEntry* findEntry(const std::string& name) const;

protected:
    void writeEntries();
    void readEntries();

private:
    std::map<std::string, std::unique_ptr<SaveGameEntry>> entries_;
};
