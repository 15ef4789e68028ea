#include "game/persistence/GameSaveEntries.hpp"

#include <memory>

#include "engine/persistence/GenericEntry.hpp"
#include "engine/persistence/SaveGame.hpp"
#include "game/persistence/PlayerProfiles.hpp"

void GameSaveEntries::registerAll(SaveGame& store, int soundVolume, int musicVolume) {
    store.addEntry(kSoundVolume, std::make_unique<GenericEntry<int>>(soundVolume));
    store.addEntry(kMusicVolume, std::make_unique<GenericEntry<int>>(musicVolume));
    store.addEntry(kFullScreen, std::make_unique<GenericEntry<char>>(1));
    store.addEntry(kHardwareCursor, std::make_unique<GenericEntry<char>>(1));
    store.addEntry(kPlayerProfiles, std::unique_ptr<SaveGameEntry>(&PlayerProfiles::instance()));
}
