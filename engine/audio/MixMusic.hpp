#pragma once

#include <string>

#include "engine/audio/Music.hpp"

typedef struct _Mix_Music Mix_Music;

// A piece of music streamed by SDL_mixer from its file (Ogg Vorbis in the
// default content). A file that cannot be opened leaves a music object that
// plays nothing; one line on standard output names it.
class MixMusic : public Music {
public:
    explicit MixMusic(const std::string& path);
    ~MixMusic() override;

    MixMusic(const MixMusic&) = delete;
    MixMusic& operator=(const MixMusic&) = delete;

    void load() override;
    // Halts the music that plays and starts this one.
    void play(int loops) override;
    void fadeIn(int ms, int loops) override;
    // Fades whatever music plays, not only this one.
    void fadeOut(int ms) override;

    bool isLoaded() const { return music_ != nullptr; }
    // True while any music plays (SDL_mixer streams one piece at a time).
    static bool isAnyPlaying();

private:
    Mix_Music* music_ = nullptr;
};
