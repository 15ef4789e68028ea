#pragma once

#include <chrono>
#include <memory>
#include <string>

#include "engine/app/ClickCounter.hpp"
#include "engine/app/FrameTimer.hpp"
#include "engine/app/GameApp.hpp"
#include "engine/app/RunOptions.hpp"
#include "engine/app/RunSupervisor.hpp"
#include "engine/app/VideoModes.hpp"

struct SDL_Surface;
union SDL_Event;
class GLGraphics;
class NullGraphics;
class ManualClock;
class Texture;

// The SDL/OpenGL application: window and video mode, the event pump, frame
// pacing, the drawn mouse cursor, screenshots. Script replay, recording and
// statistics are its RunSupervisor's. The game derives from it. A headless
// run opens no window: textures are decoded into memory, frames are drawn
// into nothing, grabs are blank and input comes from the script or driver.
class SDLGameApp : public GameApp, private RunSupervisor::Host {
public:
    explicit SDLGameApp(const RunOptions& options);
    ~SDLGameApp() override;

    void init() override {}
    char translateKey(int unicode) override;
    void run() override;
    void saveScreenshot(const char* path) override;
    Graphics* getGraphics() override;
    bool setCursorImage(const std::string& path) override;

    virtual void beforeVideoInit() {}
    virtual void onFocusGained() {}
    virtual void onFocusLost() {}
    virtual bool canChangeVideoMode(int /*width*/, int /*height*/, bool /*fullScreen*/) { return true; }
    virtual void beforeUpdate(int /*milliseconds*/) {}
    virtual void beforeDraw(Graphics* /*graphics*/) {}
    virtual void afterDraw(Graphics* /*graphics*/) {}
    // 0: SDL could not start, 1: no audio device, 2: no video mode.
    virtual void onError(int /*code*/) {}
    virtual void handleMouseEvent(const SDL_Event& event);
    virtual void draw();
    virtual void update(int milliseconds);
    virtual void prepareFullScreen(bool /*fullScreen*/) {}
    virtual bool onVideoModeChanged(int /*width*/, int /*height*/, bool /*fullScreen*/) { return true; }
    virtual void onFullScreenResumed() {}
    virtual void onFullScreenSuspended() {}
    virtual void showCursor() { cursorVisible_ = true; }
    virtual void hideCursor() { cursorVisible_ = false; }

    // Starts SDL's video side and learns the display modes; false when SDL cannot start.
    bool startSDL();
    // Opens the window (always windowed first) at the configured size.
    // Returns false when SDL or the video mode could not be set up.
    bool initVideo(int width, int height, int bitDepth);
    void setFullScreen(bool fullScreen);
    bool isFullScreen() const { return fullScreen_; }
    void setCursorTexture(Texture* texture);
    Texture* getCursorTexture() const { return cursorTexture_.get(); }
    void setCursorHotSpot(int x, int y);
    // The system's own pointer, shown or hidden (hidden while a drawn cursor is in use).
    void setSystemCursorVisible(bool visible);
    // The window's icon from a picture file; nothing happens when it cannot be read.
    void setWindowIcon(const std::string& path);
    // The current frame as a new texture (a frozen backdrop for scenes and transitions).
    Texture* captureScreen() override;
    void warpMouse(int x, int y) override;
    // Polls every pending SDL event and hands keys and mouse to the states.
    void pumpEvents();
    // F8: the next free ScrShotN.bmp in the given folder.
    void takeScreenshot(const std::string& folder);
    void setScreenshotFolder(const std::string& folder) { screenshotFolder_ = folder; }

    void setWindowCaption(const std::string& caption) { caption_ = caption; }
    bool isAudioAvailable() const { return audioAvailable_; }
    bool hasFocus() const { return hasFocus_; }
    void setMouseInputEnabled(bool enabled) { mouseInputEnabled_ = enabled; }
    void setFullScreenToggleAllowed(bool allowed) { fullScreenToggleAllowed_ = allowed; }
    const VideoModes& getVideoModes() const { return videoModes_; }
    const RunOptions& getRunOptions() const { return options_; }
    long getFrameNumber() const { return frameNumber_; }
    // The seed of this run: --seed, the seed of the replayed script, or the time.
    std::uint32_t getRunSeed() const { return runSeed_; }
    // 0 after a normal run; 1 when a scripted expectation failed.
    int getExitCode() const { return exitCode_; }

protected:
    // Sets a video mode of the given size; keeps the surface's real size as the screen size.
    bool setVideoMode(int width, int height, bool fullScreen);
    // A new video mode with everything in the OpenGL context released before and restored after.
    bool switchVideoMode(int width, int height, bool fullScreen);
    // Everything that lives in the OpenGL context is dropped before and rebuilt
    // after a video-mode change, in a fixed order.
    virtual void releaseGraphics();
    virtual void restoreGraphics();
    // Window resized by the window manager (maximising turns full screen on).
    virtual void onWindowResized(int width, int height);
    void handleKey(const SDL_Event& event);
    void writeScreenshotPng(const std::string& path) override;
    // One frame of the main loop; false when the loop should end.
    bool runFrame();
    void finishRun();
    int frameStep() const { return options_.fixedStep > 0 ? options_.fixedStep : static_cast<int>(FrameTimer::kFrame); }

    void scriptMouse(int kind, int x, int y, int button) override;
    void scriptKey(bool down, int sym, int mods, int unicode) override;
    void scriptScreenshot(const std::string& file) override;
    std::string scriptTopScreen() override;

    RunOptions options_;
    ManualClock* manualClock_ = nullptr;  // set in fixed-step runs; owned by GameApp
    std::unique_ptr<GLGraphics> graphics_;
    std::unique_ptr<NullGraphics> nullGraphics_;  // a headless run's drawing target
    std::unique_ptr<Texture> cursorTexture_;
    bool cursorVisible_ = true;
    bool audioAvailable_ = true;
    std::string caption_ = "TarvikGameEngine app";
    bool fullScreen_ = false;
    SDL_Surface* videoSurface_ = nullptr;
    FrameTimer frameTimer_;
    bool restoreFullScreenOnFocus_ = false;
    bool mouseInputEnabled_ = true;
    bool fullScreenToggleAllowed_ = true;
    bool hasFocus_ = true;
    int hotSpotX_ = 0;
    int hotSpotY_ = 0;
    ClickCounter clicks_;
    VideoModes videoModes_;
    int bitDepth_ = 32;
    long frameNumber_ = 0;
    std::string screenshotFolder_;
    std::uint32_t runSeed_ = 0;
    int exitCode_ = 0;
    std::unique_ptr<RunSupervisor> supervisor_;
    int scriptButtons_ = 0;
    std::uint64_t lastFrameNow_ = 0;
    bool videoReady_ = false;
    bool sdlStarted_ = false;
};

SDLGameApp* sdlGameApp();
