#include "engine/audio/MixSound.hpp"

#include <SDL_mixer.h>

#include "engine/audio/MixerError.hpp"
#include "engine/core/ContentPath.hpp"
#include "engine/core/Log.hpp"

MixSound::MixSound(const std::string& path) {
    path_ = path;
    load();
}

MixSound::~MixSound() {
    if (chunk_) {
        Mix_FreeChunk(chunk_);
    }
}

void MixSound::load() {
    if (chunk_) {
        return;
    }
    if (!mixerOpen()) {
        // Without a device the game plays silently; that was said once already.
        notLoaded_ = true;
        logDebug("Mix_LoadWAV: no audio device, %s stays silent", path_.c_str());
        return;
    }
    SDL_RWops* stream = SDL_RWFromFile(ContentPath::resolve(path_).c_str(), "rb");
    chunk_ = stream ? Mix_LoadWAV_RW(stream, 1) : nullptr;
    notLoaded_ = chunk_ == nullptr;
    if (!chunk_) {
        reportMixerError("Mix_LoadWAV", path_);
    }
}

void MixSound::play() {
    play(0);
}

void MixSound::play(int loops) {
    if (chunk_ && mixerOpen()) {
        channel_ = Mix_PlayChannelTimed(-1, chunk_, loops, -1);
    }
}

void MixSound::fadeIn(int loops, int ms) {
    if (chunk_ && mixerOpen()) {
        channel_ = Mix_FadeInChannelTimed(-1, chunk_, loops, ms, -1);
    }
}

void MixSound::playOnChannel(int channel) {
    if (chunk_ && mixerOpen()) {
        channel_ = Mix_PlayChannelTimed(channel, chunk_, 0, -1);
    }
}

void MixSound::fadeOut(int ms) {
    if (isPlaying()) {
        Mix_FadeOutChannel(channel_, ms);
    }
}

void MixSound::stop() {
    if (isPlaying()) {
        Mix_HaltChannel(channel_);
    }
}

bool MixSound::isPlaying() {
    // Another sound may have taken the channel since; a playing channel
    // counts only while it still plays this chunk.
    return channel_ != -1 && mixerOpen() && Mix_Playing(channel_) != 0 &&
           Mix_GetChunk(channel_) == chunk_;
}

int MixSound::getLength() const {
    int frequency = 0;
    Uint16 format = 0;
    int channels = 0;
    if (!chunk_ || Mix_QuerySpec(&frequency, &format, &channels) == 0) {
        return 0;
    }
    return lengthOf(chunk_->alen, frequency, format, channels);
}

int MixSound::lengthOf(std::uint32_t bytes, int frequency, std::uint16_t format, int channels) {
    const int bytesPerSample = (format & 0xFF) / 8;
    if (frequency <= 0 || channels <= 0 || bytesPerSample <= 0) {
        return 0;
    }
    // 64-bit on purpose: a minute of CD-quality audio times 1000 overflows 32 bits.
    const std::int64_t frames = static_cast<std::int64_t>(bytes) / bytesPerSample / channels;
    return static_cast<int>(frames * 1000 / frequency);
}
