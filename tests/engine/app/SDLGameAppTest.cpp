#include <gtest/gtest.h>

#include <SDL/SDL.h>

#include <cstdlib>
#include <vector>

#include "engine/core/Clock.hpp"
#include "engine/app/SDLGameApp.hpp"
#include "engine/screens/GameState.hpp"

namespace {

// Records the input it receives; never draws.
class RecordingState : public GameState {
public:
    void onKeyEvent(const KeyEvent& event) override { keys.push_back(event); }
    void onMouseEvent(const MouseEvent& event) override { mice.push_back(event); }
    void start(StateStack*) override {}
    void enter(StateStack*) override {}
    void leave(StateStack*) override {}
    void pause(StateStack*) override {}
    void resume(StateStack*) override {}
    void draw(Graphics*) override {}
    void update(int milliseconds) override { updates.push_back(milliseconds); }
    void releaseGraphics() override {}
    void restoreGraphics() override {}

    std::vector<KeyEvent> keys;
    std::vector<MouseEvent> mice;
    std::vector<int> updates;
};

// An application without a window: SDL's dummy video driver delivers the
// events the test pushes.
class WindowlessApp : public SDLGameApp {
public:
    explicit WindowlessApp(const RunOptions& options) : SDLGameApp(options) {}
    bool confirmQuit() override {
        ++quitQuestions;
        return allowQuit;
    }
    void advanceClock(std::uint64_t ms) { manualClock_->advance(ms); }

    int quitQuestions = 0;
    bool allowQuit = false;
};

class SDLGameAppTest : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
        ASSERT_NE(SDL_SetVideoMode(64, 64, 32, SDL_SWSURFACE), nullptr) << SDL_GetError();
    }
    void TearDown() override { SDL_Quit(); }

    static RunOptions fixedRun(long frames) {
        RunOptions options;
        options.fixedStep = 16;
        options.frames = frames;
        return options;
    }
    static void pushKey(Uint8 type, SDLKey key, SDLMod mod, Uint16 unicode = 0) {
        SDL_Event e{};
        e.type = type;
        e.key.type = type;
        e.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
        e.key.keysym.sym = key;
        e.key.keysym.mod = mod;
        e.key.keysym.unicode = unicode;
        SDL_PushEvent(&e);
    }
    static void pushButton(Uint8 type, Uint8 button, Uint16 x, Uint16 y) {
        SDL_Event e{};
        e.type = type;
        e.button.type = type;
        e.button.button = button;
        e.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
        e.button.x = x;
        e.button.y = y;
        SDL_PushEvent(&e);
    }
};

}  // namespace

TEST_F(SDLGameAppTest, CloseRequestOnlyAsksConfirmQuit) {
    WindowlessApp app(fixedRun(5));
    RecordingState state;
    app.pushState(&state);
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    app.run();
    EXPECT_EQ(app.quitQuestions, 1);  // asked once, refused: the game ran all its frames
    EXPECT_EQ(app.getFrameNumber(), 5);
    EXPECT_EQ(state.updates, (std::vector<int>{16, 16, 16, 16, 16}));

    SetUp();  // run() shut SDL down at its end
    WindowlessApp agreeing(fixedRun(5));
    agreeing.allowQuit = true;
    SDL_PushEvent(&quit);
    agreeing.run();
    EXPECT_EQ(agreeing.getFrameNumber(), 1);
    EXPECT_TRUE(app.getStates().empty());  // every state left at the end of the run
}

TEST_F(SDLGameAppTest, AltKeysAreHandledByTheApplicationAndOthersReachTheStates) {
    WindowlessApp app(fixedRun(0));
    RecordingState bottom;
    RecordingState top;
    app.pushState(&bottom);
    app.pushState(&top);
    bottom.setEnabled(true);
    top.setEnabled(true);

    pushKey(SDL_KEYDOWN, SDLK_RETURN, KMOD_LALT);  // full-screen toggle, swallowed
    pushKey(SDL_KEYDOWN, SDLK_F8, KMOD_NONE);      // screenshot, swallowed
    pushKey(SDL_KEYDOWN, SDLK_a, KMOD_NONE, 'a');
    pushKey(SDL_KEYUP, SDLK_a, KMOD_NONE, 'a');
    pushKey(SDL_KEYDOWN, SDLK_F4, KMOD_RALT);  // quit request, swallowed
    app.pumpEvents();
    EXPECT_TRUE(app.isQuitRequested());
    ASSERT_EQ(top.keys.size(), 2u);
    EXPECT_EQ(top.keys[0].key, SDLK_a);
    EXPECT_EQ(top.keys[0].action, KeyEvent::Press);
    EXPECT_EQ(top.keys[0].character, 'a');
    EXPECT_EQ(top.keys[1].action, KeyEvent::Release);
    EXPECT_EQ(bottom.keys.size(), 2u);  // every enabled state hears it

    bottom.setEnabled(false);
    pushKey(SDL_KEYDOWN, SDLK_b, KMOD_NONE, 'b');
    app.pumpEvents();
    EXPECT_EQ(top.keys.size(), 3u);
    EXPECT_EQ(bottom.keys.size(), 2u);  // disabled states hear nothing
    app.popState();
    app.popState();
}

TEST_F(SDLGameAppTest, MouseButtonsMapAndCountClicks) {
    WindowlessApp app(fixedRun(0));
    RecordingState state;
    app.pushState(&state);
    pushButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 100, 200);
    pushButton(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 100, 200);
    app.pumpEvents();
    app.advanceClock(80);
    pushButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT, 101, 201);
    pushButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_MIDDLE, 5, 5);
    pushButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_WHEELUP, 5, 5);
    pushButton(SDL_MOUSEBUTTONUP, SDL_BUTTON_WHEELUP, 5, 5);
    pushButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_WHEELDOWN, 5, 5);
    app.pumpEvents();
    ASSERT_EQ(state.mice.size(), 6u);
    EXPECT_EQ(state.mice[0].kind, MouseEvent::Press);
    EXPECT_EQ(state.mice[0].buttons, MouseEvent::Left);
    EXPECT_EQ(state.mice[0].clicks, 1);
    EXPECT_EQ(state.mice[0].x, 100);
    EXPECT_EQ(state.mice[1].kind, MouseEvent::Release);
    EXPECT_EQ(state.mice[1].clicks, 1);
    EXPECT_EQ(state.mice[2].buttons, MouseEvent::Right);
    EXPECT_EQ(state.mice[2].clicks, 3);  // the release in between counts too
    EXPECT_EQ(state.mice[3].buttons, MouseEvent::Middle);
    EXPECT_EQ(state.mice[4].kind, MouseEvent::WheelUp);  // one event per notch
    EXPECT_EQ(state.mice[5].kind, MouseEvent::WheelDown);

    app.setMouseInputEnabled(false);
    pushButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 1, 1);
    app.pumpEvents();
    EXPECT_EQ(state.mice.size(), 6u);
    app.popState();
}
