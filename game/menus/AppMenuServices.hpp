#pragma once

#include "game/menus/MenuServices.hpp"

// The menus' services as the running game gives them: MyApp's settings store,
// display, cursor and music catalogue, and the application's textures.
class AppMenuServices : public MenuServices {
public:
    SaveGame* settings() override;
    void saveSettings() override;
    void setFullScreen(bool fullScreen) override;
    void applyCursor(bool custom) override;
    void quitDialogClosed() override;
    Music* sceneMusic(int index) override;
    int parameter(const std::string& key, int fallback) override;
    TextureFactory& textures() override;
    void setMusicVolume(int volume) override;
    void setSoundVolume(int volume) override;
    GlobalEventManager* globalEvents() override;
};
