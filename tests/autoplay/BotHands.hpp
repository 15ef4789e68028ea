#pragma once

#include <deque>
#include <string>

#include "engine/app/ScriptPlayer.hpp"

// The bot's hands: the input it means to give, queued and handed to the game
// a frame at a time, as a player's would be (the pointer moves to a button a
// couple of frames before it is pressed). Points are design coordinates.
class BotHands {
public:
    void wait(int frames);
    void move(int x, int y);
    // The pointer goes there, rests two frames, then the button goes down and up.
    void click(int x, int y);
    // The pointer goes there and the button goes down and up in the same frame
    // (what is under the pointer is what was looked at).
    void snap(int x, int y);
    // The pointer goes there, rests two frames, then the left button goes down and stays.
    void press(int x, int y);
    // The left button, held, comes up there.
    void release(int x, int y);
    // A drag with the left button: down at from, through steps moves, up at to.
    void drag(int fromX, int fromY, int toX, int toY, int steps);
    // A key pressed and let go; unicode is the character it types (0 none).
    void tap(int sym, int unicode = 0, int mods = 0);
    void type(const std::string& text);
    bool busy() const { return !actions_.empty(); }
    // Gives the game what is due this frame.
    void play(ScriptPlayer::Sink& sink);
    int clicks() const { return clicks_; }

private:
    struct Action {
        enum Kind { Wait, Move, Press, Release, KeyDown, KeyUp } kind;
        int a = 0;
        int b = 0;
        int c = 0;
    };
    std::deque<Action> actions_;
    int clicks_ = 0;
};
