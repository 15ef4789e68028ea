#pragma once

#include <memory>
#include <string>

#include "engine/app/GlobalEventManager.hpp"
#include "engine/app/SDLGameApp.hpp"
#include "game/app/SystemNotice.hpp"

class ConfigFile;
class FileSaveGame;
class KeyboardHook;
class SceneMusicTable;
class Texture;

// Chrona's application: reads the configuration and tuning parameters, opens
// the window, keeps the save file, applies the player's settings (full
// screen, cursor, volumes),
// draws the global overlays and starts the first screen. Construction throws
// StartupError when the configuration or the parameter file is unusable.
class GameFlow;

class MyApp : public SDLGameApp, public GlobalEventManager {
public:
    explicit MyApp(const RunOptions& options);
    ~MyApp() override;

    void init() override;
    // Closing the window or Alt+F4 opens the quit question once; the game
    // ends only when it is answered yes.
    bool confirmQuit() override;
    // The quit question was answered no: the next close request asks again.
    void quitDialogClosed() { quitDialogShown_ = false; }
    // After the logos: the opening cut-scene of the story.
    void startOpeningCutscene() override;
    void onExit() override;
    const char* saveGameId() const override { return "ID_001"; }
    void beforeVideoInit() override;
    void onFocusGained() override;
    void onFocusLost() override;
    void beforeUpdate(int milliseconds) override;
    void afterDraw(Graphics* graphics) override;
    void prepareFullScreen(bool fullScreen) override;
    bool onVideoModeChanged(int width, int height, bool fullScreen) override;
    void onFullScreenResumed() override;
    void onFullScreenSuspended() override;

    // Custom drawn cursor on, or the system pointer.
    void applyCursorSetting(bool custom);
    ConfigFile* getGameParameters() const { return parameters_.get(); }
    // A frozen copy of the screen drawn under everything (null removes it).
    void setBackdrop(Texture* texture) { backdrop_ = texture; }
    // A picture drawn centred over everything (null removes it).
    void setOverlay(Texture* texture) { overlay_ = texture; }
    const std::string& getResolutionText() const { return resolutionText_; }
    // The settings and every player profile; written at exit and by the menus.
    FileSaveGame* getSettings() const { return settings_.get(); }
    // An integer setting (a volume), or fallback when the store lacks it.
    int settingInt(const char* name, int fallback) const;
    // A yes/no setting (full screen, custom cursor), or fallback.
    bool settingFlag(const char* name, bool fallback) const;
    // Which music each scene plays (9999 is the main menu).
    SceneMusicTable* getSceneMusic() const { return sceneMusic_.get(); }
    // The message laid over every screen (a save that failed).
    const SystemNotice& getNotice() const { return notice_; }

protected:
    void onWindowResized(int width, int height) override;

private:
    // --minigame TYPE FILE: the minigame at once; afterwards the flow goes on
    // from the entry that names the same file (from the start when none does).
    void startMinigame(GameFlow& flow);
    void rebuildResolutionText(int width, int height);
    void openSettings(const RunOptions& options);
    void setSettingFlag(const char* name, bool value);
    void applyVolumes();

    bool quitDialogShown_ = false;
    bool maximiseRequested_ = false;
    std::unique_ptr<ConfigFile> parameters_;
    std::unique_ptr<KeyboardHook> keyboardHook_;
    std::unique_ptr<SceneMusicTable> sceneMusic_;
    std::unique_ptr<FileSaveGame> settings_;
    bool customCursor_ = true;
    int requestedWidth_ = 0;
    int requestedHeight_ = 0;
    std::string resolutionText_;
    Texture* backdrop_ = nullptr;
    Texture* overlay_ = nullptr;
    SystemNotice notice_;
};

MyApp* myApp();
