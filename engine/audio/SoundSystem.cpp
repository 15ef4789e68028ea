#include "engine/audio/SoundSystem.hpp"

void SoundSystem::suspend() {
    pauseAll();
    setMusicVolume(0);
    setVolume(-1, 0);
}

void SoundSystem::resume(int musicVolume, int soundVolume) {
    resumeAll();
    setMusicVolume(musicVolume);
    setVolume(-1, soundVolume);
}
