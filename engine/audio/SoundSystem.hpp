#pragma once

// The audio device as the application sees it: opening and closing it, the
// volumes (mixer units 0..128, passed through unchanged; channel -1 means
// every channel) and pausing everything while the window has no focus.
class SoundSystem {
public:
    virtual ~SoundSystem() = default;
    virtual void setMusicVolume(int volume) = 0;
    virtual void setVolume(int channel, int volume) = 0;

    // Opens the device; false leaves the game silent (every call stays safe).
    virtual bool open() = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    virtual void pauseAll() = 0;
    virtual void resumeAll() = 0;

    // Focus lost: effects and music pause and every volume drops to 0.
    void suspend();
    // Focus regained: playback goes on at the player's stored volumes.
    void resume(int musicVolume, int soundVolume);
};
