#pragma once

#include "engine/audio/SoundSystem.hpp"

// The SDL_mixer device: 44100 Hz, signed 16-bit, stereo, 1024-sample buffer,
// 16 effect channels, Ogg Vorbis decoding. The application owns the one
// instance; creating it initialises the decoders, destroying it closes the device.
class SDLSoundSystem : public SoundSystem {
public:
    static constexpr int kFrequency = 44100;
    static constexpr int kChannels = 2;
    static constexpr int kChunkSize = 1024;
    static constexpr int kMixChannels = 16;

    SDLSoundSystem();
    ~SDLSoundSystem() override;

    SDLSoundSystem(const SDLSoundSystem&) = delete;
    SDLSoundSystem& operator=(const SDLSoundSystem&) = delete;

    void setMusicVolume(int volume) override;
    void setVolume(int channel, int volume) override;
    // Needs SDL initialised (the audio subsystem is started here if it is not).
    // On failure prints "Unable to open audio!".
    bool open() override;
    void close() override;
    bool isOpen() const override { return open_; }
    void pauseAll() override;
    void resumeAll() override;

private:
    bool open_ = false;
};
