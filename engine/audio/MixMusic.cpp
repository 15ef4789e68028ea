#include "engine/audio/MixMusic.hpp"

#include <SDL_mixer.h>

#include "engine/audio/MixerError.hpp"
#include "engine/core/ContentPath.hpp"
#include "engine/core/Log.hpp"

MixMusic::MixMusic(const std::string& path) {
    path_ = path;
    load();
}

MixMusic::~MixMusic() {
    if (music_) {
        Mix_FreeMusic(music_);
    }
}

void MixMusic::load() {
    if (music_) {
        return;
    }
    if (!mixerOpen()) {
        notLoaded_ = true;
        logDebug("Mix_LoadMUS: no audio device, %s stays silent", path_.c_str());
        return;
    }
    music_ = Mix_LoadMUS(ContentPath::resolve(path_).c_str());
    notLoaded_ = music_ == nullptr;
    if (!music_) {
        reportMixerError("Mix_LoadMUS", path_);
    }
}

void MixMusic::play(int loops) {
    Mix_HaltMusic();
    if (music_) {
        Mix_PlayMusic(music_, loops);
    }
}

void MixMusic::fadeIn(int ms, int loops) {
    if (music_) {
        Mix_FadeInMusic(music_, loops, ms);
    }
}

void MixMusic::fadeOut(int ms) {
    Mix_FadeOutMusic(ms);
}

bool MixMusic::isAnyPlaying() {
    return Mix_PlayingMusic() != 0;
}
