#pragma once

#include <string>

class GlobalEventManager;
class Music;
class SaveGame;
class TextureFactory;

// What the menus and the profile screens ask of the application: the
// settings store, the player's display choices, the scene music, the tuning
// parameters and the pictures. The running game answers through MyApp; tests
// install their own (install), so the screens run without a window.
class MenuServices {
public:
    virtual ~MenuServices() = default;

    // The installed services, or the application's when none is installed.
    static MenuServices& current();
    // Not owned; null goes back to the application's.
    static void install(MenuServices* services);

    // The store holding the settings entries and the profiles (may be null).
    virtual SaveGame* settings() = 0;
    // Writes the whole store to disk.
    virtual void saveSettings() = 0;
    virtual void setFullScreen(bool fullScreen) = 0;
    // The drawn cursor on (true) or the system pointer.
    virtual void applyCursor(bool custom) = 0;
    // The quit question was answered "no": the next close request asks again.
    virtual void quitDialogClosed() = 0;
    // A new, not yet loaded piece of the scene-music catalogue's entry, or
    // null when the entry names none. The caller owns it.
    virtual Music* sceneMusic(int index) = 0;
    // A tuning parameter, or fallback.
    virtual int parameter(const std::string& key, int fallback) = 0;
    virtual TextureFactory& textures() = 0;
    virtual void setMusicVolume(int volume) = 0;
    virtual void setSoundVolume(int volume) = 0;
    // Where the video-mode change is announced (may be null).
    virtual GlobalEventManager* globalEvents() = 0;
};
