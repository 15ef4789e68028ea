#pragma once

#include <fstream>
#include <string>

// Writes the player's input of a session as an input script: the seed, then
// per frame the events it handled and the frame's length, so that replaying
// the file reproduces the session exactly. Coordinates are design coordinates.
class InputRecorder {
public:
    // False, with one line on standard output, when the file cannot be written.
    bool open(const std::string& path, unsigned seed);
    bool isOpen() const { return out_.is_open(); }

    void mouseMove(int x, int y);
    void mouseButton(bool down, int x, int y, int sdlButton);
    void key(bool down, int sym, int mods, int unicode);
    // The frame just handled lasted ms milliseconds on the game clock.
    void endFrame(int ms);
    void close();

private:
    void flushWait();

    std::ofstream out_;
    std::string path_;
    int pendingFrames_ = 0;
    int pendingMs_ = 0;
};
