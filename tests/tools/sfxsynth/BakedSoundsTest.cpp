#include <gtest/gtest.h>

#include <SDL_mixer.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/core/RandomSource.hpp"
#include "engine/audio/MixMusic.hpp"
#include "engine/audio/SDLSoundSystem.hpp"
#include "engine/audio/catalogue/SceneMusicTable.hpp"
#include "engine/audio/catalogue/SfxContainer.hpp"
#include "engine/audio/Sound.hpp"

// Checks every sound and piece of music the build baked into content/: each
// decodes, lasts as long as it should, is audible, never reaches full scale,
// starts and ends at silence, and the effects share one loudness.

namespace {

// Catalogue paths are relative to the folder that holds content/.
const std::string kRoot = std::string(CHRONA_CONTENT_DIR) + "/../";

// Every effect name the game plays.
const std::vector<std::string> kEffectNames = {
    "BUTTON_PRESS", "BUTTON_OVER", "BUTTON_OVER_HINT", "BUTTON_OVER_MAP_SCREEN", "CHECKBOX_CHECK",
    "CHECKBOX_UNCHECK", "TEXT_INPUT", "DIALOG_OPENED", "DIALOG_CLOSED", "ITEM_COLLECTED", "ITEM_MISSED",
    "VO_RUNE_COLLECTED", "VO_MAGIC_ITEM_FOUND", "HINT_USED", "SCENE_HINT_USED", "HINT_ENABLED",
    "TIME_CHALLENGE_STARTED", "TIME_CHALLENGE_ENDED", "GOLD_REWARD_EFFECT", "SILVER_REWARD_EFFECT",
    "BRONZE_REWARD_EFFECT", "SCENE_INTRO", "LOGO", "MINIGAME_START", "MINIGAME_END", "ITEM_MOVED",
    "DIAL_ROTATED", "DIAL_PLACED", "TARGET_HIT", "TARGET_MISSED", "TARGET_ELSEWHERE"};

// Measurements of a decoded file in the device format (44100 Hz, 16-bit stereo).
struct Levels {
    double seconds = 0;
    int peak = 0;
    double rms = 0;          // full scale = 1
    double gatedRms = 0;     // over the 10 ms blocks within 30 dB of the loudest
    int first = 0;
    int last = 0;
    double quietTail = 0;    // seconds after the last sample above 1 % of the peak
};

Levels measure(const std::string& path) {
    Levels levels;
    Mix_Chunk* chunk = Mix_LoadWAV(path.c_str());
    if (!chunk) {
        ADD_FAILURE() << path << " does not decode: " << Mix_GetError();
        return levels;
    }
    const auto* samples = reinterpret_cast<const std::int16_t*>(chunk->abuf);
    const std::size_t count = chunk->alen / 2;
    const std::size_t block = 441 * 2;
    std::vector<double> energies;
    double total = 0;
    std::size_t lastLoud = 0;
    for (std::size_t i = 0; i < count; ++i) {
        levels.peak = std::max(levels.peak, std::abs(static_cast<int>(samples[i])));
    }
    for (std::size_t start = 0; start < count; start += block) {
        double sum = 0;
        const std::size_t end = std::min(count, start + block);
        for (std::size_t i = start; i < end; ++i) {
            const double x = samples[i] / 32768.0;
            sum += x * x;
            if (std::abs(static_cast<int>(samples[i])) * 100 >= levels.peak) {
                lastLoud = i;
            }
        }
        total += sum;
        energies.push_back(sum / (end - start));
    }
    const double loudest = *std::max_element(energies.begin(), energies.end());
    double gated = 0;
    int counted = 0;
    for (double energy : energies) {
        if (energy >= loudest * 0.001) {
            gated += energy;
            ++counted;
        }
    }
    levels.seconds = count / 2 / 44100.0;
    levels.rms = std::sqrt(total / count);
    levels.gatedRms = std::sqrt(gated / counted);
    levels.first = std::max(std::abs(samples[0]), std::abs(samples[1]));
    levels.last = std::max(std::abs(samples[count - 1]), std::abs(samples[count - 2]));
    levels.quietTail = (count - 1 - lastLoud) / 2 / 44100.0;
    Mix_FreeChunk(chunk);
    return levels;
}

double decibels(double level) {
    return 20.0 * std::log10(level);
}

class BakedSounds : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(system.open()); }
    SDLSoundSystem system;
    SeededRandom random{5};
};

}  // namespace

TEST_F(BakedSounds, EveryEffectIsCataloguedCutFadedAndEquallyLoud) {
    std::vector<std::string> paths;
    SfxContainer recorder(random, [&paths](const std::string& path) {
        paths.push_back(path);
        return std::unique_ptr<Sound>();
    });
    ASSERT_TRUE(recorder.load(std::string(CHRONA_CONTENT_DIR) + "/config/sfx.xml"));
    EXPECT_EQ(recorder.getDefaultPath(), "content/sfx/");
    for (const std::string& name : kEffectNames) {
        EXPECT_FALSE(recorder.keysOf(name).empty()) << name << " is not in the catalogue";
    }
    for (const char* name : {"ITEM_COLLECTED", "ITEM_MISSED", "BUTTON_PRESS"}) {
        EXPECT_GE(recorder.keysOf(name).size(), 2u) << name << " should have variants";
    }

    std::vector<double> loudness;
    for (const std::string& path : paths) {
        SCOPED_TRACE(path);
        const Levels levels = measure(kRoot + path);
        EXPECT_GE(levels.seconds, 0.08);
        EXPECT_LE(levels.seconds, 4.0);
        EXPECT_GT(levels.rms, 0.01) << "too quiet";
        EXPECT_LT(levels.peak, 32440) << "reaches full scale";
        EXPECT_LT(levels.first, 330);
        EXPECT_LT(levels.last, 330);
        EXPECT_LT(levels.quietTail, 0.3) << "silent tail";
        loudness.push_back(decibels(levels.gatedRms));
    }
    ASSERT_GE(loudness.size(), kEffectNames.size() + 4);
    std::sort(loudness.begin(), loudness.end());
    EXPECT_LT(loudness.back() - loudness.front(), 4.0) << "effects differ in loudness";
}

TEST_F(BakedSounds, EveryPieceOfMusicDecodesLoopsAndFillsAMinute) {
    SceneMusicTable table(random);
    ASSERT_TRUE(table.load(std::string(CHRONA_CONTENT_DIR) + "/config/scene/music.xml"));
    // The menu, the story dialogues, the cut-scenes and both eras of all twenty locations.
    std::vector<int> indexes = {9999, 6666, 5555, 7777};
    for (int n = 0; n < 20; ++n) {
        indexes.push_back(100 + n);
        indexes.push_back(200 + n);
    }
    std::vector<std::string> files;
    for (int index : indexes) {
        EXPECT_FALSE(table.filesFor(index).empty()) << "no music for " << index;
        for (const std::string& file : table.filesFor(index)) {
            if (std::find(files.begin(), files.end(), file) == files.end()) {
                files.push_back(file);
            }
        }
    }
    EXPECT_GE(files.size(), 7u);
    // Each era keeps its own mood: no piece of the present plays in the past,
    // and the cut-scenes do not borrow the menu's theme.
    for (int n = 0; n < 20; ++n) {
        for (const std::string& file : table.filesFor(100 + n)) {
            const std::vector<std::string>& past = table.filesFor(200 + n);
            EXPECT_EQ(std::find(past.begin(), past.end(), file), past.end()) << file << " plays in both eras";
        }
    }
    EXPECT_NE(table.filesFor(7777), table.filesFor(9999));
    for (const std::string& file : files) {
        SCOPED_TRACE(file);
        const std::string path = kRoot + table.getBasePath() + file;
        MixMusic music(path);
        EXPECT_TRUE(music.isLoaded());
        const Levels levels = measure(path);
        EXPECT_GE(levels.seconds, 60.0);
        EXPECT_LE(levels.seconds, 180.0);
        EXPECT_GT(levels.rms, 0.05) << "too quiet";
        EXPECT_LT(levels.peak, 32440) << "reaches full scale";
        EXPECT_LT(levels.first, 330);
        EXPECT_LT(levels.last, 330);
    }
}
