#include "engine/app/SDLGameApp.hpp"

#include <SDL/SDL.h>
#include <SDL/SDL_image.h>

#include <cstdio>
#include <iostream>

#include "engine/app/Clock.hpp"
#include "engine/app/KeyEvent.hpp"
#include "engine/app/MouseEvent.hpp"
#include "engine/app/SDLClock.hpp"
#include "engine/app/ScreenshotFolder.hpp"
#include "engine/app/Timer.hpp"
#include "engine/audio/SDLSoundSystem.hpp"
#include "engine/render/GLGraphics.hpp"
#include "engine/render/GLTexture.hpp"
#include "engine/render/PngWriter.hpp"
#include "engine/render/ScreenCapture.hpp"
#include "engine/resources/ResourceManager.hpp"
#include "engine/app/ShutdownFlag.hpp"
#include "engine/screens/GameState.hpp"

namespace {

SDLGameApp* g_sdlApp = nullptr;

std::unique_ptr<Clock> makeClock(const RunOptions& options) {
    if (options.fixedStep > 0) {
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

SDLGameApp::SDLGameApp(const RunOptions& options) : GameApp(makeClock(options)), options_(options) {
    g_sdlApp = this;
    IMG_Init(IMG_INIT_JPG | IMG_INIT_PNG);
    soundSystem_ = std::make_unique<SDLSoundSystem>();
    if (options.fixedStep > 0) {
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
    return graphics_.get();
}

bool SDLGameApp::startSDL() {
    if (sdlStarted_) {
        return true;
    }
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_NOPARACHUTE) < 0) {
        std::cout << "Unable to initialise SDL: " << SDL_GetError() << std::endl;
        onError(0);
        return false;
    }
    sdlStarted_ = true;
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
    screenWidth_ = width;
    screenHeight_ = height;
    bitDepth_ = bitDepth;
    if (!startSDL()) {
        return false;
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
        std::cout << "Unable to set a " << width << " x " << height << " video mode: " << SDL_GetError()
                  << std::endl;
        onError(2);
        return false;
    }
    graphics_ = std::make_unique<GLGraphics>();
    graphics_->init(screenWidth_, screenHeight_, 1000);
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
    screenWidth_ = surface->w;
    screenHeight_ = surface->h;
    return true;
}

void SDLGameApp::setFullScreen(bool wanted) {
    prepareFullScreen(wanted);
    if (!videoReady_ || !canChangeVideoMode(screenWidth_, screenHeight_, wanted) || wanted == fullScreen_) {
        return;
    }
    int width = screenWidth_;
    int height = screenHeight_;
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
        std::cout << "Unable to switch the video mode: " << SDL_GetError() << std::endl;
        restoreGraphics();
        return false;
    }
    graphics_->init(screenWidth_, screenHeight_, 1000);
    restoreGraphics();
    onVideoModeChanged(screenWidth_, screenHeight_, fullScreen);
    return true;
}

void SDLGameApp::releaseGraphics() {
    resources_->releaseAll(ResourceManager::AllKinds);
    if (cursorTexture_) {
        cursorTexture_->release();
    }
    for (ResourceManager* manager : registeredManagers_) {
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
    for (ResourceManager* manager : registeredManagers_) {
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
    SDL_Surface* surface = readScreen(screenWidth_, screenHeight_);
    if (!surface) {
        return nullptr;
    }
    Texture* texture = new GLTexture(surface, screenWidth_, screenHeight_, nullptr, 0);
    SDL_FreeSurface(surface);
    return texture;
}

void SDLGameApp::saveScreenshot(const char* path) {
    SDL_Surface* surface = readScreen(screenWidth_, screenHeight_);
    if (!surface) {
        return;
    }
    if (SDL_SaveBMP(surface, path) != 0) {
        std::cout << "Unable to write the screenshot " << path << ": " << SDL_GetError() << std::endl;
    }
    SDL_FreeSurface(surface);
}

void SDLGameApp::takeScreenshot(const std::string& folder) {
    const std::string path = ScreenshotFolder(folder).nextFreePath();
    if (!path.empty()) {
        saveScreenshot(path.c_str());
    }
}

void SDLGameApp::writeRequestedScreenshots() {
    for (const auto& shot : options_.screenshots) {
        if (shot.first != frameNumber_) {
            continue;
        }
        SDL_Surface* surface = readScreen(screenWidth_, screenHeight_);
        if (!surface || !writePng(surface, shot.second)) {
            std::cout << "Unable to write the screenshot " << shot.second << std::endl;
        }
        if (surface) {
            SDL_FreeSurface(surface);
        }
    }
}

void SDLGameApp::run() {
    frameTimer_.start(timer_->now());
    for (;;) {
        if (manualClock_) {
            manualClock_->advance(static_cast<std::uint64_t>(options_.fixedStep));
        }
        pumpEvents();
        const std::uint32_t stepped = frameTimer_.beginFrame(timer_->now());
        const int elapsed = manualClock_ && !timer_->isPaused() ? options_.fixedStep : static_cast<int>(stepped);
        update(elapsed);
        ++frameNumber_;
        draw();
        if (!manualClock_) {
            const std::uint32_t rest = frameTimer_.sleepAfter(timer_->now());
            if (rest > 0) {
                SDL_Delay(rest);
            }
        }
        if (options_.frames >= 0 && frameNumber_ >= options_.frames) {
            exitNow_ = true;
        }
        if (exitNow_) {
            break;
        }
        if (quitRequested_ && confirmQuit()) {
            break;
        }
        quitRequested_ = false;
    }
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

void SDLGameApp::update(int milliseconds) {
    beforeUpdate(milliseconds);
    updateStates(milliseconds);
}

void SDLGameApp::draw() {
    Graphics* g = graphics_.get();
    if (!g) {
        return;
    }
    g->loadIdentity();
    g->clear();
    beforeDraw(g);
    pushCount = 0;
    popCount = 0;
    drawStates(g);
    afterDraw(g);
    if (cursorTexture_ && cursorVisible_) {
        int x = 0;
        int y = 0;
        SDL_GetMouseState(&x, &y);
        g->drawImage(x + hotSpotX_, y + hotSpotY_, cursorTexture_.get(), Color::white());
    }
    writeRequestedScreenshots();
    g->flip();
}

void SDLGameApp::pumpEvents() {
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
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
        lastMouse_ = Point(static_cast<float>(mouse.x), static_cast<float>(mouse.y));
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
                std::cout << "Mouse press: [" << mouse.x << ", " << mouse.y << " " << count << "x times ]"
                          << std::endl;
            } else {
                mouse.kind = MouseEvent::Release;
                mouse.clicks = 1;
                std::cout << "Mouse release: [" << mouse.x << ", " << mouse.y << "]" << std::endl;
            }
        }
    }
    deliverMouse(mouse);
}
