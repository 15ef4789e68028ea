#include "engine/app/SDLGameApp.hpp"

#include <SDL/SDL.h>
#include <SDL/SDL_image.h>


#include <cstdio>
#include <chrono>
#include <ctime>

#include "engine/core/Clock.hpp"
#include "engine/core/KeyEvent.hpp"
#include "engine/core/Log.hpp"
#include "engine/core/MouseEvent.hpp"
#include "engine/app/SDLClock.hpp"
#include "engine/app/ScreenshotFolder.hpp"
#include "engine/core/Timer.hpp"
#include "engine/audio/SDLSoundSystem.hpp"
#include "engine/config/Config.hpp"
#include "engine/render/GLGraphics.hpp"
#include <algorithm>

#include "engine/render/GLTexture.hpp"
#include "engine/render/GLTextureFactory.hpp"
#include "engine/render/CpuTexture.hpp"
#include "engine/render/CpuTextureFactory.hpp"
#include "engine/render/NullGraphics.hpp"
#include "engine/render/ImageFile.hpp"
#include "engine/render/PngWriter.hpp"
#include "engine/render/ScreenCapture.hpp"
#include "engine/resources/ResourceManager.hpp"
#include "engine/resources/ResourceRegistry.hpp"
#include "engine/core/ShutdownFlag.hpp"
#include "engine/screens/GameState.hpp"
#include "engine/screens/ScreenBase.hpp"

namespace {

SDLGameApp* g_sdlApp = nullptr;

bool manualClockRun(const RunOptions& options) {
    return options.fixedStep > 0 || options.hasScript || options.driver;
}

std::unique_ptr<Clock> makeClock(const RunOptions& options) {
    if (manualClockRun(options)) {
        return std::make_unique<ManualClock>();
    }
    return std::make_unique<SDLClock>();
}

int buttonMask(Uint8 sdlButton) {
    switch (sdlButton) {
        case SDL_BUTTON_LEFT: return MouseEvent::Left;
        case SDL_BUTTON_RIGHT: return MouseEvent::Right;
        case SDL_BUTTON_MIDDLE: return MouseEvent::Middle;
        default: return 0;
    }
}

int heldButtons(Uint8 state) {
    int mask = 0;
    if (state & SDL_BUTTON(SDL_BUTTON_LEFT)) mask |= MouseEvent::Left;
    if (state & SDL_BUTTON(SDL_BUTTON_RIGHT)) mask |= MouseEvent::Right;
    if (state & SDL_BUTTON(SDL_BUTTON_MIDDLE)) mask |= MouseEvent::Middle;
    return mask;
}

}  // namespace

SDLGameApp* sdlGameApp() {
    return g_sdlApp;
}

SDLGameApp::SDLGameApp(const RunOptions& options)
    : GameApp(makeClock(options)), options_(options) {
    g_sdlApp = this;
    if (options.headless) {
        setTextureFactory(std::make_unique<CpuTextureFactory>());
    } else {
        setTextureFactory(std::make_unique<GLTextureFactory>());
    }
    if (options.hasSeed) {
        runSeed_ = options.seed;
    } else if (options.hasScript && options.script.hasSeed()) {
        runSeed_ = options.script.getSeed();
    } else {
        runSeed_ = static_cast<std::uint32_t>(std::time(nullptr));
    }
    supervisor_ = std::make_unique<RunSupervisor>(options_, runSeed_);
    IMG_Init(IMG_INIT_JPG | IMG_INIT_PNG);
    soundSystem_ = std::make_unique<SDLSoundSystem>();
    if (manualClockRun(options)) {
        manualClock_ = static_cast<ManualClock*>(clock_.get());
    }
}

SDLGameApp::~SDLGameApp() {
    cursorTexture_.reset();
    graphics_.reset();
    if (g_sdlApp == this) {
        g_sdlApp = nullptr;
    }
}

char SDLGameApp::translateKey(int unicode) {
    return (unicode & 0xFF00) == 0 ? static_cast<char>(unicode & 0xFF) : 0;
}

Graphics* SDLGameApp::getGraphics() {
    if (graphics_) {
        return graphics_.get();
    }
    return nullGraphics_.get();
}

bool SDLGameApp::startSDL() {
    if (sdlStarted_) {
        return true;
    }
    if (SDL_Init((options_.headless ? 0 : SDL_INIT_VIDEO) | SDL_INIT_NOPARACHUTE) < 0) {
        logError("Unable to initialise SDL: %s", SDL_GetError());
        onError(0);
        return false;
    }
    sdlStarted_ = true;
    if (options_.headless) {
        return true;
    }
    SDL_Rect** modes = SDL_ListModes(nullptr, SDL_FULLSCREEN | SDL_HWSURFACE);
    if (modes == reinterpret_cast<SDL_Rect**>(-1)) {
        videoModes_.kind = VideoModes::Kind::Any;
    } else if (modes) {
        videoModes_.kind = VideoModes::Kind::Listed;
        for (int i = 0; modes[i]; ++i) {
            videoModes_.modes.push_back(VideoMode{modes[i]->w, modes[i]->h});
        }
    }
    return true;
}

bool SDLGameApp::initVideo(int width, int height, int bitDepth) {
    setScreenSize(width, height);
    bitDepth_ = bitDepth;
    if (!startSDL()) {
        return false;
    }
    if (options_.headless) {
        audioAvailable_ = soundSystem_->open();
        nullGraphics_ = std::make_unique<NullGraphics>();
        return true;
    }
    SDL_EnableUNICODE(1);
    SDL_EnableKeyRepeat(500, 30);
    SDL_WM_SetCaption(caption_.c_str(), nullptr);
    audioAvailable_ = soundSystem_->open();
    if (!audioAvailable_) {
        onError(1);
    }
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 8);
    beforeVideoInit();
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    if (!setVideoMode(width, height, false)) {
        logError("Unable to set a %d x %d video mode: %s", width, height, SDL_GetError());
        onError(2);
        return false;
    }
    graphics_ = std::make_unique<GLGraphics>();
    graphics_->init(getScreenWidth(), getScreenHeight(), 1000);
    graphics_->setScreenHeight(getScreenHeight());
    videoReady_ = true;
    return true;
}

bool SDLGameApp::setVideoMode(int width, int height, bool fullScreen) {
    Uint32 flags = SDL_OPENGL | (fullScreen ? SDL_FULLSCREEN : SDL_RESIZABLE);
    SDL_Surface* surface = SDL_SetVideoMode(width, height, bitDepth_, flags);
    if (!surface) {
        return false;
    }
    videoSurface_ = surface;
    fullScreen_ = fullScreen;
    setScreenSize(surface->w, surface->h);
    return true;
}

void SDLGameApp::setFullScreen(bool wanted) {
    prepareFullScreen(wanted);
    if (!videoReady_ || !canChangeVideoMode(getScreenWidth(), getScreenHeight(), wanted) || wanted == fullScreen_) {
        return;
    }
    int width = getScreenWidth();
    int height = getScreenHeight();
    if (wanted && videoModes_.isWide()) {
        const VideoMode mode = videoModes_.chooseFullScreen(width, height);
        if (mode.width > 0) {
            width = mode.width;
            height = mode.height;
        }
    }
    switchVideoMode(width, height, wanted);
}

bool SDLGameApp::switchVideoMode(int width, int height, bool fullScreen) {
    releaseGraphics();
    if (!setVideoMode(width, height, fullScreen)) {
        logWarning("Unable to switch the video mode: %s", SDL_GetError());
        restoreGraphics();
        return false;
    }
    graphics_->init(getScreenWidth(), getScreenHeight(), 1000);
    graphics_->setScreenHeight(getScreenHeight());
    restoreGraphics();
    logDebug("Video mode %d x %d, %s", getScreenWidth(), getScreenHeight(), fullScreen ? "full screen" : "windowed");
    onVideoModeChanged(getScreenWidth(), getScreenHeight(), fullScreen);
    return true;
}

void SDLGameApp::releaseGraphics() {
    resources_->releaseAll(ResourceManager::AllKinds);
    if (cursorTexture_) {
        cursorTexture_->release();
    }
    for (ResourceManager* manager : ResourceRegistry::instance().managers()) {
        manager->releaseAll(ResourceManager::AllKinds);
    }
    for (GameState* state : states_) {
        state->releaseGraphics();
    }
}

void SDLGameApp::restoreGraphics() {
    resources_->restoreAll(ResourceManager::AllKinds);
    if (cursorTexture_) {
        cursorTexture_->restore();
    }
    for (ResourceManager* manager : ResourceRegistry::instance().managers()) {
        manager->restoreAll(ResourceManager::AllKinds);
    }
    for (GameState* state : states_) {
        state->restoreGraphics();
    }
}

void SDLGameApp::onWindowResized(int /*width*/, int /*height*/) {}

void SDLGameApp::setCursorTexture(Texture* texture) {
    cursorTexture_.reset(texture);
}

void SDLGameApp::setSystemCursorVisible(bool visible) {
    if (!videoReady_) {
        return;
    }
    SDL_ShowCursor(visible ? SDL_ENABLE : SDL_DISABLE);
}

void SDLGameApp::setWindowIcon(const std::string& path) {
    if (const SurfacePtr icon = ImageFile::load(path)) {
        SDL_WM_SetIcon(icon.get(), nullptr);
    }
}

void SDLGameApp::setCursorHotSpot(int x, int y) {
    hotSpotX_ = x;
    hotSpotY_ = y;
}

bool SDLGameApp::setCursorImage(const std::string& path) {
    if (!videoReady_) {
        return false;
    }
    auto* texture = new GLTexture(path, nullptr, 0);
    if (texture->getWidth() == 0) {
        delete texture;
        return false;
    }
    setCursorTexture(texture);
    return true;
}

Texture* SDLGameApp::captureScreen() {
    if (!videoReady_) {
        return nullGraphics_ ? new CpuTexture(getScreenWidth(), getScreenHeight()) : nullptr;
    }
    const SurfacePtr surface = readScreen(getScreenWidth(), getScreenHeight());
    if (!surface) {
        return nullptr;
    }
    return new GLTexture(surface.get(), getScreenWidth(), getScreenHeight(), nullptr, 0);
}

void SDLGameApp::warpMouse(int x, int y) {
    GameApp::warpMouse(x, y);
    // A scripted run has no real pointer to move.
    if (!supervisor_->isScripted()) {
        SDL_WarpMouse(static_cast<Uint16>(std::max(x, 0)), static_cast<Uint16>(std::max(y, 0)));
    }
}

void SDLGameApp::saveScreenshot(const char* path) {
    if (!videoReady_) {
        return;
    }
    const SurfacePtr surface = readScreen(getScreenWidth(), getScreenHeight());
    if (surface && SDL_SaveBMP(surface.get(), path) != 0) {
        logWarning("Unable to write the screenshot %s: %s", path, SDL_GetError());
    }
}

void SDLGameApp::takeScreenshot(const std::string& folder) {
    const std::string path = ScreenshotFolder(folder).nextFreePath();
    if (!path.empty()) {
        saveScreenshot(path.c_str());
    }
}

void SDLGameApp::writeScreenshotPng(const std::string& path) {
    if (!videoReady_) {
        logWarning("No screenshot %s: the run has no window", path.c_str());
        return;
    }
    const SurfacePtr surface = readScreen(getScreenWidth(), getScreenHeight());
    if (!surface || !writePng(surface.get(), path)) {
        logWarning("Unable to write the screenshot %s", path.c_str());
    }
}

void SDLGameApp::run() {
    lastFrameNow_ = timer_->now();
    frameTimer_.start(lastFrameNow_);
    while (runFrame()) {
    }
    finishRun();
}

bool SDLGameApp::runFrame() {
    const int scriptedMs = supervisor_->scriptedFrameLength();
    if (manualClock_) {
        manualClock_->advance(static_cast<std::uint64_t>(scriptedMs > 0 ? scriptedMs : frameStep()));
    }
    const std::uint64_t now = timer_->now();
    const std::uint32_t capped = frameTimer_.beginFrame(now);
    const int frameMs = static_cast<int>(now - lastFrameNow_);
    lastFrameNow_ = now;
    // A fixed step is passed on exactly; a measured or recorded frame is capped at 16 ms.
    const int elapsed = manualClock_ && scriptedMs == 0 ? frameMs : static_cast<int>(capped);
    supervisor_->deliverScriptInput(*this);
    pumpEvents();
    supervisor_->recordFrameEnd(frameMs);
    const auto t0 = std::chrono::steady_clock::now();
    update(elapsed);
    const auto t1 = std::chrono::steady_clock::now();
    ++frameNumber_;
    draw();
    supervisor_->measureFrame(frameNumber_, t0, t1, std::chrono::steady_clock::now());
    if (!manualClock_) {
        const std::uint32_t rest = frameTimer_.sleepAfter(timer_->now());
        if (rest > 0) {
            SDL_Delay(rest);
        }
    }
    if (supervisor_->scriptEnded(exitCode_)) {
        exitNow_ = true;
    }
    if (options_.frames >= 0 && frameNumber_ >= options_.frames) {
        exitNow_ = true;
    }
    if (exitNow_) {
        return false;
    }
    if (quitRequested_ && confirmQuit()) {
        return false;
    }
    quitRequested_ = false;
    return true;
}

void SDLGameApp::finishRun() {
    supervisor_->finish();
    onExit();
    // Everything that holds OpenGL names or mixer chunks goes before the
    // device and the context do.
    leaveAllStates();
    resources_.reset();
    cursorTexture_.reset();
    soundSystem_->close();
    ShutdownFlag::set(true);
    SDL_Quit();
}

void SDLGameApp::scriptMouse(int kind, int x, int y, int button) {
    const Config& cfg = Config::instance();
    SDL_Event e{};
    const int wx = x + cfg.getOffsetX();
    const int wy = y + cfg.getOffsetY();
    if (kind == ScriptPlayer::MouseMove) {
        e.type = SDL_MOUSEMOTION;
        e.motion.type = SDL_MOUSEMOTION;
        e.motion.x = static_cast<Uint16>(wx);
        e.motion.y = static_cast<Uint16>(wy);
        e.motion.xrel = static_cast<Sint16>(wx - static_cast<int>(getLastMousePosition().x));
        e.motion.yrel = static_cast<Sint16>(wy - static_cast<int>(getLastMousePosition().y));
        e.motion.state = static_cast<Uint8>(scriptButtons_);
    } else {
        const bool down = kind == ScriptPlayer::MousePress;
        e.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
        e.button.type = e.type;
        e.button.button = static_cast<Uint8>(button);
        e.button.state = down ? SDL_PRESSED : SDL_RELEASED;
        e.button.x = static_cast<Uint16>(wx);
        e.button.y = static_cast<Uint16>(wy);
        if (button <= 3) {
            scriptButtons_ = down ? (scriptButtons_ | SDL_BUTTON(button)) : (scriptButtons_ & ~SDL_BUTTON(button));
        }
        setLastMousePosition(Point(static_cast<float>(wx), static_cast<float>(wy)));
    }
    handleMouseEvent(e);
}

void SDLGameApp::scriptKey(bool down, int sym, int mods, int unicode) {
    SDL_Event e{};
    e.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    e.key.type = e.type;
    e.key.state = down ? SDL_PRESSED : SDL_RELEASED;
    e.key.keysym.sym = static_cast<SDLKey>(sym);
    e.key.keysym.mod = static_cast<SDLMod>(mods);
    e.key.keysym.unicode = static_cast<Uint16>(unicode);
    handleKey(e);
}

void SDLGameApp::scriptScreenshot(const std::string& file) {
    supervisor_->requestScreenshot(file);
}

std::string SDLGameApp::scriptTopScreen() {
    auto* top = dynamic_cast<ScreenBase*>(topState());
    return top ? top->getName() : std::string();
}

void SDLGameApp::update(int milliseconds) {
    beforeUpdate(milliseconds);
    updateStates(milliseconds);
}

void SDLGameApp::draw() {
    Graphics* g = getGraphics();
    if (!g) {
        return;
    }
    g->loadIdentity();
    g->clear();
    beforeDraw(g);
    if (graphics_) {
        graphics_->resetMatrixCounts();
    }
    drawStates(g);
    afterDraw(g);
    if (cursorTexture_ && cursorVisible_) {
        int x = static_cast<int>(getLastMousePosition().x);
        int y = static_cast<int>(getLastMousePosition().y);
        if (!supervisor_->isScripted()) {
            SDL_GetMouseState(&x, &y);
        }
        g->drawImage(x + hotSpotX_, y + hotSpotY_, cursorTexture_.get(), Color::white());
    }
    supervisor_->writeScreenshots(frameNumber_, *this);
    g->flip();
}

void SDLGameApp::pumpEvents() {
    if (options_.headless) {
        return;
    }
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        // A scripted run takes its input from the script alone, and a run on
        // a manual clock ignores focus, so that it plays the same every time.
        const bool input = event.type == SDL_KEYDOWN || event.type == SDL_KEYUP || event.type == SDL_MOUSEMOTION ||
                           event.type == SDL_MOUSEBUTTONDOWN || event.type == SDL_MOUSEBUTTONUP;
        if ((supervisor_->isScripted() && input) || (manualClock_ && event.type == SDL_ACTIVEEVENT)) {
            continue;
        }
        switch (event.type) {
            case SDL_QUIT:
                quitRequested_ = true;
                return;
            case SDL_KEYDOWN:
            case SDL_KEYUP:
                handleKey(event);
                break;
            case SDL_MOUSEMOTION:
            case SDL_MOUSEBUTTONDOWN:
            case SDL_MOUSEBUTTONUP:
                handleMouseEvent(event);
                break;
            case SDL_VIDEORESIZE:
                onWindowResized(event.resize.w, event.resize.h);
                break;
            case SDL_ACTIVEEVENT:
                if (!(event.active.state & SDL_APPINPUTFOCUS)) {
                    break;
                }
                if (event.active.gain) {
                    if (restoreFullScreenOnFocus_) {
                        restoreFullScreenOnFocus_ = false;
                        setFullScreen(true);
                        onFullScreenResumed();
                    }
                    hasFocus_ = true;
                    timer_->resume();
                    onFocusGained();
                } else {
                    if (fullScreen_) {
                        restoreFullScreenOnFocus_ = true;
                        setFullScreen(false);
                        onFullScreenSuspended();
                    }
                    hasFocus_ = false;
                    timer_->pause();
                    onFocusLost();
                }
                break;
            default:
                break;
        }
    }
}

void SDLGameApp::handleKey(const SDL_Event& event) {
    const SDL_keysym& sym = event.key.keysym;
    if (InputRecorder* recorder = supervisor_->recorder()) {
        recorder->key(event.type == SDL_KEYDOWN, sym.sym, sym.mod, sym.unicode);
    }
    KeyEvent key;
    key.key = sym.sym;
    key.modifiers = sym.mod;
    key.unicode = sym.unicode;
    key.character = translateKey(sym.unicode);
    if (event.type == SDL_KEYUP) {
        key.action = KeyEvent::Release;
    } else {
        const bool alt = (sym.mod & KMOD_ALT) != 0;
        if (alt && sym.sym == SDLK_RETURN) {
            if (fullScreenToggleAllowed_) {
                setFullScreen(!isFullScreen());
            }
            return;
        }
        if (alt && sym.sym == SDLK_F4) {
            quitRequested_ = true;
            return;
        }
        if (sym.sym == SDLK_F8) {
            if (!screenshotFolder_.empty()) {
                takeScreenshot(screenshotFolder_);
            }
            return;
        }
        key.action = KeyEvent::Press;
    }
    deliverKey(key);
}

void SDLGameApp::handleMouseEvent(const SDL_Event& event) {
    if (InputRecorder* recorder = supervisor_->recorder()) {
        const Config& cfg = Config::instance();
        if (event.type == SDL_MOUSEMOTION) {
            recorder->mouseMove(event.motion.x - cfg.getOffsetX(), event.motion.y - cfg.getOffsetY());
        } else {
            recorder->mouseButton(event.type == SDL_MOUSEBUTTONDOWN, event.button.x - cfg.getOffsetX(),
                                  event.button.y - cfg.getOffsetY(), event.button.button);
        }
    }
    if (!mouseInputEnabled_) {
        return;
    }
    MouseEvent mouse;
    if (event.type == SDL_MOUSEMOTION) {
        mouse.x = event.motion.x;
        mouse.y = event.motion.y;
        mouse.relX = event.motion.xrel;
        mouse.relY = event.motion.yrel;
        mouse.buttons = heldButtons(event.motion.state);
        mouse.kind = MouseEvent::Move;
        mouse.clicks = 0;
        setLastMousePosition(Point(static_cast<float>(mouse.x), static_cast<float>(mouse.y)));
    } else {
        const bool press = event.type == SDL_MOUSEBUTTONDOWN;
        mouse.x = event.button.x;
        mouse.y = event.button.y;
        if (event.button.button == SDL_BUTTON_WHEELUP || event.button.button == SDL_BUTTON_WHEELDOWN) {
            // SDL reports a wheel notch as a press and a release; one notch is one event.
            if (!press) {
                return;
            }
            mouse.kind = event.button.button == SDL_BUTTON_WHEELUP ? MouseEvent::WheelUp : MouseEvent::WheelDown;
        } else {
            mouse.buttons = buttonMask(event.button.button);
            const int count = clicks_.onButtonEvent(clock_->ticks());
            if (press) {
                mouse.kind = MouseEvent::Press;
                mouse.clicks = count;
                logDebug("Mouse press: [%d, %d %dx times ]", mouse.x, mouse.y, count);
            } else {
                mouse.kind = MouseEvent::Release;
                mouse.clicks = 1;
                logDebug("Mouse release: [%d, %d]", mouse.x, mouse.y);
            }
        }
    }
    deliverMouse(mouse);
}
