#pragma once

#include <string>
#include <vector>

// A plain-text input script: one command a line, "#" starts a comment.
//   seed N                  the seed the run was recorded with (informational)
//   wait N [MS]             let N frames pass, each MS milliseconds long (default: the run's step)
//   move X Y                the pointer moves to (X, Y)
//   press X Y [BUTTON]      a button goes down at (X, Y); BUTTON is left, right or middle
//   release X Y [BUTTON]    ... goes up
//   click X Y [BUTTON]      press and release
//   wheel up|down X Y       one notch of the wheel
//   keydown KEY [u=N]       a key goes down; KEY may carry modifiers: shift+a, ctrl+alt+x
//   keyup KEY [u=N]         ... goes up (u= is the character the key typed)
//   tap KEY                 keydown and keyup
//   type TEXT               each character of TEXT typed in turn
//   screenshot FILE.png     saves the frame drawn after the preceding commands
//   expect-screen NAME      the run fails unless the top screen is called NAME
//   quit                    the run ends after this frame
// Coordinates are design coordinates (the configured canvas, before the letterbox).
class InputScript {
public:
    enum class Op { Wait, Move, Press, Release, Click, Wheel, KeyDown, KeyUp, Tap, Type, Screenshot, ExpectScreen, Quit };

    struct Command {
        Op op = Op::Wait;
        int line = 0;
        int a = 0;           // frames, x, or key symbol
        int b = 0;           // ms, y, or modifiers
        int button = 1;      // mouse button (SDL numbering) or wheel direction
        int unicode = 0;
        std::string text;    // file, screen name or typed text
    };

    // Reads the script; false with one "file:line: what is wrong" message per problem.
    bool parse(const std::string& text, const std::string& fileName);
    bool load(const std::string& path);

    const std::vector<Command>& commands() const { return commands_; }
    const std::vector<std::string>& errors() const { return errors_; }
    bool hasSeed() const { return hasSeed_; }
    unsigned getSeed() const { return seed_; }

    // The name of a key for scripts ("a", "return", "f8"); empty for an unnamed key.
    static std::string keyName(int sym);
    // The key symbol of a name, -1 when unknown.
    static int keySymbol(const std::string& name);
    // "shift+ctrl+" style prefix for a modifier mask.
    static std::string modifierPrefix(int mods);

private:
    bool parseLine(const std::string& line, int number, const std::string& fileName);
    bool parseKey(const std::string& word, Command& command) const;

    std::vector<Command> commands_;
    std::vector<std::string> errors_;
    bool hasSeed_ = false;
    unsigned seed_ = 0;
};
