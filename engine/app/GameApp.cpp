#include "engine/app/GameApp.hpp"

#include <algorithm>

#include "engine/config/Config.hpp"
#include "engine/core/Clock.hpp"
#include "engine/core/EngineContext.hpp"
#include "engine/core/KeyEvent.hpp"
#include "engine/core/MouseEvent.hpp"
#include "engine/core/Timer.hpp"
#include "engine/render/TextureFactory.hpp"
#include "engine/audio/SoundSystem.hpp"
#include "engine/resources/ResourceManager.hpp"
#include "engine/screens/GameState.hpp"
#include "engine/text/LabelManager.hpp"

namespace {
GameApp* g_app = nullptr;
}

GameApp* gameApp() {
    return g_app;
}

GameApp::GameApp(std::unique_ptr<Clock> clock)
    : clock_(std::move(clock)), timer_(std::make_unique<Timer>(*clock_)), resources_(std::make_unique<ResourceManager>()),
      labels_(std::make_unique<LabelManager>()) {
    g_app = this;
    EngineContext::reset();
    EngineContext::instance().setTimer(timer_.get());
    Config::instance().setCursorDisplay([this](const std::string& path) { return setCursorImage(path); });
}

GameApp::~GameApp() {
    leaveAllStates();
    if (g_app == this) {
        g_app = nullptr;
        EngineContext::reset();
        Config::instance().setCursorDisplay(nullptr);
    }
}

void GameApp::pushState(GameState* state) {
    if (!states_.empty()) {
        states_.back()->pause(this);
    }
    states_.push_back(state);
    state->enter(this);
}

void GameApp::popState() {
    if (states_.empty()) {
        return;
    }
    GameState* top = states_.back();
    states_.pop_back();
    top->leave(this);
    if (!states_.empty()) {
        states_.back()->resume(this);
    }
}

void GameApp::changeState(GameState* state) {
    if (states_.empty()) {
        return;
    }
    GameState* top = states_.back();
    states_.pop_back();
    top->leave(this);
    state->start(this);
}

void GameApp::startState(GameState* state) {
    state->start(this);
}

void GameApp::leaveAllStates() {
    while (!states_.empty()) {
        GameState* top = states_.back();
        states_.pop_back();
        top->leave(this);
    }
}

GameState* GameApp::topState() const {
    return states_.empty() ? nullptr : states_.back();
}

void GameApp::updateStates(int milliseconds) {
    for (std::size_t i = 0; i < states_.size(); ++i) {
        GameState* state = states_[i];
        if (state->isEnabled()) {
            state->update(milliseconds);
        }
    }
}

void GameApp::drawStates(Graphics* graphics) {
    for (std::size_t i = 0; i < states_.size(); ++i) {
        states_[i]->draw(graphics);
    }
}

void GameApp::deliverKey(const KeyEvent& event) {
    for (std::size_t i = states_.size(); i-- > 0;) {
        if (i < states_.size() && states_[i]->isEnabled()) {
            states_[i]->onKeyEvent(event);
        }
    }
}

void GameApp::deliverMouse(const MouseEvent& event) {
    for (std::size_t i = states_.size(); i-- > 0;) {
        if (i < states_.size() && states_[i]->isEnabled()) {
            states_[i]->onMouseEvent(event);
        }
    }
}


Point GameApp::getLastMousePosition() const {
    const EngineContext& context = EngineContext::instance();
    return Point(context.pointerX(), context.pointerY());
}

void GameApp::setLastMousePosition(const Point& position) {
    EngineContext::instance().setPointer(position.x, position.y);
}

void GameApp::warpMouse(int x, int y) {
    setLastMousePosition(Point(static_cast<float>(x), static_cast<float>(y)));
}

int GameApp::getScreenWidth() const {
    return EngineContext::instance().screenWidth();
}

int GameApp::getScreenHeight() const {
    return EngineContext::instance().screenHeight();
}

void GameApp::setScreenSize(int width, int height) {
    EngineContext::instance().setScreenSize(width, height);
}

void GameApp::setTextureFactory(std::unique_ptr<TextureFactory> factory) {
    textureFactory_ = std::move(factory);
    EngineContext::instance().setTextureFactory(textureFactory_.get());
}
