#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_mixer.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "engine/core/RandomSource.hpp"
#include "engine/audio/MixMusic.hpp"
#include "engine/audio/MixSound.hpp"
#include "engine/audio/SDLSoundSystem.hpp"
#include "engine/audio/catalogue/SfxContainer.hpp"
#include "support/LogCapture.hpp"

namespace {

void put16(std::ofstream& out, std::uint16_t value) {
    out.put(static_cast<char>(value & 0xFF)).put(static_cast<char>(value >> 8));
}

void put32(std::ofstream& out, std::uint32_t value) {
    put16(out, static_cast<std::uint16_t>(value & 0xFFFF));
    put16(out, static_cast<std::uint16_t>(value >> 16));
}

// A 16-bit PCM tone of the given length, written where the tests can find it.
std::string writeTone(const std::string& name, int frequency, int channels, int frames) {
    const std::string path = std::string(CHRONA_BINARY_DIR) + "/" + name;
    std::ofstream out(path, std::ios::binary);
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(frames * channels * 2);
    out.write("RIFF", 4);
    put32(out, 36 + dataBytes);
    out.write("WAVEfmt ", 8);
    put32(out, 16);
    put16(out, 1);
    put16(out, static_cast<std::uint16_t>(channels));
    put32(out, static_cast<std::uint32_t>(frequency));
    put32(out, static_cast<std::uint32_t>(frequency * channels * 2));
    put16(out, static_cast<std::uint16_t>(channels * 2));
    put16(out, 16);
    out.write("data", 4);
    put32(out, dataBytes);
    for (int i = 0; i < frames; ++i) {
        const double value = 8000.0 * std::sin(2.0 * M_PI * 440.0 * i / frequency);
        for (int c = 0; c < channels; ++c) {
            put16(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(value)));
        }
    }
    return path;
}

class OpenMixer : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(system.open()) << SDL_GetError(); }
    SDLSoundSystem system;
};

}  // namespace

TEST(MixSound, LengthFollowsTheDeviceFormat) {
    EXPECT_EQ(MixSound::lengthOf(176400, 44100, AUDIO_S16LSB, 2), 1000);
    EXPECT_EQ(MixSound::lengthOf(176399, 44100, AUDIO_S16LSB, 2), 999);
    EXPECT_EQ(MixSound::lengthOf(22050, 22050, AUDIO_U8, 1), 1000);
    EXPECT_EQ(MixSound::lengthOf(44100u * 4 * 600, 44100, AUDIO_S16LSB, 2), 600000);
    EXPECT_EQ(MixSound::lengthOf(1000, 0, AUDIO_S16LSB, 2), 0);
}

TEST_F(OpenMixer, DeviceHasTheGameFormat) {
    int frequency = 0;
    Uint16 format = 0;
    int channels = 0;
    ASSERT_NE(Mix_QuerySpec(&frequency, &format, &channels), 0);
    EXPECT_EQ(frequency, 44100);
    EXPECT_EQ(format, AUDIO_S16LSB);
    EXPECT_EQ(channels, 2);
    EXPECT_EQ(Mix_AllocateChannels(-1), 16);
    EXPECT_TRUE(system.open());
    system.close();
    EXPECT_FALSE(system.isOpen());
    EXPECT_EQ(Mix_QuerySpec(&frequency, &format, &channels), 0);
}

TEST_F(OpenMixer, ChunksPlayStopAndReportTheirLength) {
    MixSound second(writeTone("tone_1s.wav", 44100, 2, 44100));
    ASSERT_TRUE(second.isLoaded());
    EXPECT_EQ(second.getLength(), 1000);
    MixSound mono(writeTone("tone_mono_22k.wav", 22050, 1, 11025));
    ASSERT_TRUE(mono.isLoaded());
    EXPECT_NEAR(mono.getLength(), 500, 2);

    // Stopping what never played does nothing.
    EXPECT_FALSE(second.isPlaying());
    second.stop();
    EXPECT_EQ(second.getChannel(), -1);

    second.play(-1);
    ASSERT_NE(second.getChannel(), -1);
    EXPECT_TRUE(second.isPlaying());
    second.stop();
    EXPECT_FALSE(second.isPlaying());

    // A channel taken over by another sound no longer counts for the first.
    mono.playOnChannel(second.getChannel());
    EXPECT_EQ(mono.getChannel(), second.getChannel());
    EXPECT_TRUE(mono.isPlaying());
    EXPECT_FALSE(second.isPlaying());
    second.stop();
    EXPECT_TRUE(mono.isPlaying());
    mono.fadeOut(0);
    mono.stop();
    EXPECT_FALSE(mono.isPlaying());

    second.fadeIn(0, 50);
    EXPECT_TRUE(second.isPlaying());
}

TEST_F(OpenMixer, MissingFilesGiveSilentObjects) {
    MixSound sound(std::string(CHRONA_BINARY_DIR) + "/no_such_sound.wav");
    EXPECT_FALSE(sound.isLoaded());
    EXPECT_TRUE(sound.isNotLoaded());
    sound.play();
    sound.play(-1);
    sound.fadeIn(1, 10);
    sound.stop();
    EXPECT_FALSE(sound.isPlaying());
    EXPECT_EQ(sound.getLength(), 0);

    MixMusic music(writeTone("music_tone.wav", 44100, 2, 44100));
    ASSERT_TRUE(music.isLoaded());
    music.play(-1);
    EXPECT_TRUE(MixMusic::isAnyPlaying());
    // Starting music that could not be loaded halts the old one and plays nothing.
    MixMusic missing(std::string(CHRONA_BINARY_DIR) + "/no_such_music.ogg");
    EXPECT_FALSE(missing.isLoaded());
    missing.play(-1);
    EXPECT_FALSE(MixMusic::isAnyPlaying());
    missing.fadeIn(100, 1);
    EXPECT_FALSE(MixMusic::isAnyPlaying());
    music.fadeIn(0, -1);
    EXPECT_TRUE(MixMusic::isAnyPlaying());
}

TEST_F(OpenMixer, CatalogueEffectsPlayOnRealChunks) {
    const std::string catalogue = std::string(CHRONA_BINARY_DIR) + "/sfx_real.xml";
    std::ofstream(catalogue) << "<SFX defaultPath=\"" << CHRONA_BINARY_DIR << "/\">"
                             << "<RandomSound name=\"TONE\"><Sound path=\"tone_a.wav\"/><Sound path=\"tone_b.wav\"/></RandomSound>"
                             << "<Sound name=\"GONE\" path=\"missing.wav\"/></SFX>";
    writeTone("tone_a.wav", 44100, 2, 44100);
    writeTone("tone_b.wav", 44100, 1, 44100);
    SeededRandom random(11);
    SfxContainer container(random);
    ASSERT_TRUE(container.load(catalogue));
    EXPECT_FALSE(container.isPlaying("TONE"));
    container.play("TONE");
    EXPECT_TRUE(container.isPlaying("TONE"));
    container.stop("TONE");
    EXPECT_FALSE(container.isPlaying("TONE"));
    container.play("GONE");
    EXPECT_FALSE(container.isPlaying("GONE"));
}

TEST(SDLSoundSystem, WithoutADeviceTheGameGoesOnSilent) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    const char* previous = std::getenv("SDL_AUDIODRIVER");
    const std::string restore = previous ? previous : "dummy";
    setenv("SDL_AUDIODRIVER", "no-such-audio-driver", 1);
    {
        SDLSoundSystem system;
        LogCapture captured1;
        EXPECT_FALSE(system.open());
        const auto said = captured1.take();
        ASSERT_EQ(said.size(), 1u);
        EXPECT_EQ(said[0].rfind("Unable to open audio!", 0), 0u) << said[0];
        EXPECT_NE(said[0].find("without sound"), std::string::npos) << said[0];
        EXPECT_FALSE(system.isOpen());
        system.setMusicVolume(64);
        system.setVolume(-1, 64);
        system.suspend();
        system.resume(50, 75);

        MixSound sound(writeTone("tone_silent.wav", 44100, 2, 4410));
        EXPECT_FALSE(sound.isLoaded());
        sound.play();
        sound.stop();
        EXPECT_FALSE(sound.isPlaying());
        EXPECT_EQ(sound.getLength(), 0);

        MixMusic music(writeTone("music_silent.wav", 44100, 2, 4410));
        music.play(-1);
        music.fadeOut(10);
        EXPECT_FALSE(MixMusic::isAnyPlaying());
        // Sound off was said once: the game's many sounds add nothing to it.
        EXPECT_TRUE(captured1.take().empty());
        system.close();
    }
    setenv("SDL_AUDIODRIVER", restore.c_str(), 1);
}
