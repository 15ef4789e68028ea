#include "engine/persistence/SaveGame.hpp"

void SaveGame::addEntry(const std::string& name, std::unique_ptr<SaveGameEntry> entry) {
    std::unique_ptr<SaveGameEntry>& slot = entries_[name];
    if (slot == entry) {
        entry.release();  // registering the same object again keeps it
        return;
    }
    slot = std::move(entry);
}

SaveGameEntry* SaveGame::findEntry(const std::string& name) const {
    const auto it = entries_.find(name);
    return it == entries_.end() ? nullptr : it->second.get();
}

void SaveGame::writeEntries() {
    for (auto& item : entries_) {
        item.second->writeTo(*this);
    }
}

void SaveGame::readEntries() {
    for (auto& item : entries_) {
        item.second->readFrom(*this);
    }
}
