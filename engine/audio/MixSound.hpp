#pragma once

#include <cstdint>
#include <string>

#include "engine/audio/Sound.hpp"

struct Mix_Chunk;

// A sound effect decoded whole into an SDL_mixer chunk when it is created.
// A file that cannot be loaded leaves a silent sound (one line on standard
// output says why); every call on it is then a no-op.
class MixSound : public Sound {
public:
    explicit MixSound(const std::string& path);
    ~MixSound() override;

    MixSound(const MixSound&) = delete;
    MixSound& operator=(const MixSound&) = delete;

    // Decodes the file when no chunk is held yet.
    void load() override;
    void play() override;
    void play(int loops) override;
    void fadeIn(int loops, int ms) override;
    void fadeOut(int ms) override;
    void stop() override;
    bool isPlaying() override;

    void playOnChannel(int channel);
    // Duration in milliseconds at the open device's format; 0 with the device closed.
    int getLength() const override;
    bool isLoaded() const { return chunk_ != nullptr; }
    int getChannel() const { return channel_; }

    // Duration of a buffer of the given size in a device format (AUDIO_* code).
    static int lengthOf(std::uint32_t bytes, int frequency, std::uint16_t format, int channels);

private:
    Mix_Chunk* chunk_ = nullptr;
    int channel_ = -1;
};
