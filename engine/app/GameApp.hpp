#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/persistence/SaveGameIdSource.hpp"
#include "engine/render/Point.hpp"
#include "engine/screens/StateStack.hpp"

class Clock;
class GameState;
class LabelManager;
class ResourceManager;
class SoundSystem;
class Graphics;
class Texture;
class TextureFactory;
class Timer;

// The platform-neutral core of the application: the state stack, the game
// clock, the quit flags and the services every screen reaches through the
// global application pointer. The stack does not own its states.
class GameApp : public SaveGameIdSource, public StateStack {
public:
    explicit GameApp(std::unique_ptr<Clock> clock);
    virtual ~GameApp();

    GameApp(const GameApp&) = delete;
    GameApp& operator=(const GameApp&) = delete;

    virtual void init() = 0;
    virtual char translateKey(int unicode) = 0;
    virtual void run() = 0;
    virtual void startOpeningCutscene() {}
    Point getLastMousePosition() const;
    void setLastMousePosition(const Point& position);
    // Moves the pointer to (x, y) in window pixels; the platform class also
    // moves the system's pointer.
    virtual void warpMouse(int x, int y);
    // A new texture holding the frame drawn so far (the caller owns it), or
    // null where nothing is drawn.
    virtual Texture* captureScreen() { return nullptr; }
    // Asked when the player closes the window; true lets the game end.
    virtual bool confirmQuit() { return true; }
    virtual void onExit() {}
    const char* saveGameId() const override { return "UNIMPLEMENTED"; }
    virtual void saveScreenshot(const char* /*path*/) {}
    virtual Graphics* getGraphics() = 0;
    // Makes the picture at path the drawn mouse cursor; false when it cannot.
    virtual bool setCursorImage(const std::string& path) = 0;

    void pushState(GameState* state) override;
    void popState() override;
    void changeState(GameState* state) override;
    void startState(GameState* state);
    GameState* topState() const;
    // Every state leaves, from the top down (the stack ends empty).
    void leaveAllStates();
    const std::vector<GameState*>& getStates() const { return states_; }

    // Every enabled state from the bottom up; the walk re-reads the stack so a
    // state may pop itself or push another from inside its update.
    void updateStates(int milliseconds);
    // Every state from the bottom up, enabled or not.
    void drawStates(Graphics* graphics);
    void deliverKey(const struct KeyEvent& event);
    void deliverMouse(const struct MouseEvent& event);

    void requestQuit() { quitRequested_ = true; }
    void exitNow() { exitNow_ = true; }
    bool isQuitRequested() const { return quitRequested_; }
    bool isExitNow() const { return exitNow_; }

    Timer* getTimer() const { return timer_.get(); }
    SoundSystem* getSoundSystem() const { return soundSystem_.get(); }
    // The manager of what the whole game shares: fonts, preloaded textures, screen grabs.
    ResourceManager* getResourceManager() const { return resources_.get(); }
    // The localized texts of the configured language.
    LabelManager* getLabelManager() const { return labels_.get(); }
    Clock& getClock() const { return *clock_; }
    // Makes the platform's textures; every screen loads through it.
    TextureFactory& getTextureFactory() const { return *textureFactory_; }
    int getScreenWidth() const;
    int getScreenHeight() const;

protected:
    void setScreenSize(int width, int height);
    // Chosen once by the platform class, in its constructor.
    void setTextureFactory(std::unique_ptr<TextureFactory> factory);

    bool quitRequested_ = false;
    bool exitNow_ = false;
    std::vector<GameState*> states_;
    std::unique_ptr<Clock> clock_;
    std::unique_ptr<Timer> timer_;
    std::unique_ptr<ResourceManager> resources_;
    std::unique_ptr<LabelManager> labels_;
    std::unique_ptr<SoundSystem> soundSystem_;
    std::unique_ptr<TextureFactory> textureFactory_;
};

// The one application object, published by its constructor.
GameApp* gameApp();
