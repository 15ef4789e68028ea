#include "engine/audio/SDLSoundSystem.hpp"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdio>

#include "engine/core/Log.hpp"

SDLSoundSystem::SDLSoundSystem() {
    SDL_ClearError();
    Mix_Init(MIX_INIT_OGG);
    logDebug("Mix_Init: %s", SDL_GetError());
}

// The decoders stay initialised for the whole process: SDL_mixer 1.2 breaks
// when Mix_Init runs again after Mix_Quit, and a second sound system (tests,
// a restarted device) must keep working.
SDLSoundSystem::~SDLSoundSystem() {
    close();
}

void SDLSoundSystem::setMusicVolume(int volume) {
    Mix_VolumeMusic(volume);
}

// SDL_mixer 1.2 keeps its channel count after Mix_CloseAudio but frees the
// channels, so channel calls on a closed device would crash: they wait for open.
void SDLSoundSystem::setVolume(int channel, int volume) {
    if (open_) {
        Mix_Volume(channel, volume);
    }
}

bool SDLSoundSystem::open() {
    if (open_) {
        return true;
    }
    if (Mix_OpenAudio(kFrequency, AUDIO_S16LSB, kChannels, kChunkSize) != 0) {
        logWarning("Unable to open audio! (%s) The game goes on without sound.", SDL_GetError());
        return false;
    }
    Mix_AllocateChannels(kMixChannels);
    open_ = true;
    return true;
}

void SDLSoundSystem::close() {
    if (open_) {
        Mix_HaltMusic();
        Mix_HaltChannel(-1);
        Mix_CloseAudio();
        open_ = false;
    }
}

void SDLSoundSystem::pauseAll() {
    if (open_) {
        Mix_Pause(-1);
    }
    Mix_PauseMusic();
}

void SDLSoundSystem::resumeAll() {
    if (open_) {
        Mix_Resume(-1);
    }
    Mix_ResumeMusic();
}
