#include "game/menus/AppMenuServices.hpp"

#include "engine/audio/MixMusic.hpp"
#include "engine/audio/SoundSystem.hpp"
#include "engine/audio/catalogue/SceneMusicTable.hpp"
#include "engine/config/ConfigFile.hpp"
#include "engine/persistence/FileSaveGame.hpp"
#include "game/app/MyApp.hpp"

SaveGame* AppMenuServices::settings() {
    return myApp() ? myApp()->getSettings() : nullptr;
}

void AppMenuServices::saveSettings() {
    if (SaveGame* store = settings()) {
        store->save();
    }
}

void AppMenuServices::setFullScreen(bool fullScreen) {
    if (myApp()) {
        myApp()->setFullScreen(fullScreen);
    }
}

void AppMenuServices::applyCursor(bool custom) {
    if (myApp()) {
        myApp()->applyCursorSetting(custom);
    }
}

void AppMenuServices::quitDialogClosed() {
    if (myApp()) {
        myApp()->quitDialogClosed();
    }
}

Music* AppMenuServices::sceneMusic(int index) {
    SceneMusicTable* table = myApp() ? myApp()->getSceneMusic() : nullptr;
    const std::string path = table ? table->musicFor(index) : std::string();
    return path.empty() ? nullptr : new MixMusic(path);
}

int AppMenuServices::parameter(const std::string& key, int fallback) {
    const ConfigFile* parameters = myApp() ? myApp()->getGameParameters() : nullptr;
    return parameters ? parameters->readInt(key, fallback) : fallback;
}

TextureFactory& AppMenuServices::textures() {
    return gameApp()->getTextureFactory();
}

void AppMenuServices::setMusicVolume(int volume) {
    if (gameApp() && gameApp()->getSoundSystem()) {
        gameApp()->getSoundSystem()->setMusicVolume(volume);
    }
}

void AppMenuServices::setSoundVolume(int volume) {
    if (gameApp() && gameApp()->getSoundSystem()) {
        gameApp()->getSoundSystem()->setVolume(-1, volume);
    }
}

GlobalEventManager* AppMenuServices::globalEvents() {
    return myApp();
}
