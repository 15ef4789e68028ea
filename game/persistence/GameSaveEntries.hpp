#pragma once

class SaveGame;

// The entries of Chrona's save file, registered once at start-up before the
// store is loaded. Their payloads follow each other in name order:
// FULL_SCREEN, HARDWARE_CURSOR, MUSIC_VOLUME, PLAYER_PROFILES, SOUND_VOLUME.
class GameSaveEntries {
public:
    static constexpr const char* kSoundVolume = "SOUND_VOLUME";
    static constexpr const char* kMusicVolume = "MUSIC_VOLUME";
    static constexpr const char* kFullScreen = "FULL_SCREEN";
    static constexpr const char* kHardwareCursor = "HARDWARE_CURSOR";
    static constexpr const char* kPlayerProfiles = "PLAYER_PROFILES";

    // The volumes start at the configured values (75 and 50 when the
    // configuration gives none), full screen and the hardware cursor at 1,
    // and the store adopts the PlayerProfiles instance (created if needed).
    static void registerAll(SaveGame& store, int soundVolume, int musicVolume);
};
