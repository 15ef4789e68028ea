#include "Effects.hpp"

#include <cmath>
#include <functional>
#include <utility>

#include "Dsp.hpp"
#include "Speech.hpp"
#include "Voices.hpp"

using namespace voices;

namespace {

using Recipe = std::function<StereoBuffer(Noise&)>;

void put(StereoBuffer& out, const std::vector<float>& note, double at, double gain, double pan = 0.0) {
    out.add(note, framesOf(at), static_cast<float>(gain), static_cast<float>(pan));
}

void addReverb(StereoBuffer& audio, double room, double wet) {
    audio.resize(audio.frames() + framesOf(1.2 * room + 0.3));
    Reverb(room, 0.5, wet).process(audio);
}

// Notes struck one after another, moving across the stereo field.
StereoBuffer arpeggio(const std::vector<int>& notes, double spacing, double panFrom, double panTo,
                      const std::function<std::vector<float>(double)>& voice) {
    StereoBuffer out;
    for (std::size_t i = 0; i < notes.size(); ++i) {
        const double x = notes.size() > 1 ? static_cast<double>(i) / (notes.size() - 1) : 0.5;
        put(out, voice(midiToHz(notes[i])), spacing * i, 1.0, panFrom + (panTo - panFrom) * x);
    }
    return out;
}

// High random bells falling like dust: the magic of hints and rewards.
void sparkle(StereoBuffer& out, Noise& noise, double start, double length, int count, int lowNote, double gain) {
    static const int pentatonic[] = {0, 2, 4, 7, 9};
    for (int i = 0; i < count; ++i) {
        const double at = start + length * i / count + noise.unit() * 0.02;
        const int note = lowNote + 12 * noise.below(2) + pentatonic[noise.below(5)];
        put(out, bell(midiToHz(note), 0.5 + 0.5 * noise.unit(), 3.5, 1.2, 0.25), at, gain,
            noise.unit() * 1.6 - 0.8);
    }
}

StereoBuffer buttonPress(Noise& noise, int note) {
    StereoBuffer out;
    put(out, click(2200.0, 6.0, 0.03, 0.8, noise), 0.0, 0.6);
    put(out, celesta(midiToHz(note), 0.5), 0.004, 0.7);
    put(out, click(500.0, 3.0, 0.05, 1.0, noise), 0.0, 0.5);
    out.resize(framesOf(0.22));
    return out;
}

StereoBuffer buttonOver(Noise& noise) {
    StereoBuffer out;
    put(out, musicBox(midiToHz(91), 0.5), 0.0, 0.5);
    put(out, click(5000.0, 8.0, 0.02, 0.4, noise), 0.0, 0.3);
    out.resize(framesOf(0.16));
    return out;
}

StereoBuffer hoverHint(Noise& noise) {
    StereoBuffer out = arpeggio({84, 91}, 0.07, -0.2, 0.2, [](double hz) { return bell(hz, 0.6, 3.5, 1.5, 0.2); });
    sparkle(out, noise, 0.05, 0.15, 4, 96, 0.25);
    return out;
}

StereoBuffer hoverMap(Noise& noise) {
    StereoBuffer out;
    put(out, swish(1500.0, 4000.0, 0.18, 0.6, noise), 0.0, 0.8, -0.3);
    put(out, click(900.0, 4.0, 0.05, 0.7, noise), 0.12, 0.5, 0.2);
    return out;
}

StereoBuffer checkbox(Noise& noise, bool on) {
    StereoBuffer out;
    put(out, click(on ? 1800.0 : 1400.0, 6.0, 0.03, 0.9, noise), 0.0, 0.7);
    put(out, click(on ? 2600.0 : 1000.0, 6.0, 0.03, 0.9, noise), 0.05, 0.7);
    put(out, celesta(midiToHz(on ? 88 : 81), 0.4), 0.05, 0.5);
    out.resize(framesOf(0.2));
    return out;
}

StereoBuffer textInput(Noise& noise) {
    StereoBuffer out;
    put(out, click(3200.0, 2.5, 0.025, 1.0, noise), 0.0, 0.7);
    put(out, click(700.0, 4.0, 0.04, 0.8, noise), 0.003, 0.5);
    return out;
}

StereoBuffer dialogOpened(Noise& noise) {
    StereoBuffer out = arpeggio({67, 71, 74, 79}, 0.06, -0.4, 0.4, [&](double hz) { return harp(hz, 0.7, 1.0, noise); });
    put(out, swish(600.0, 3500.0, 0.3, 0.35, noise), 0.0, 0.6);
    return out;
}

StereoBuffer dialogClosed(Noise& noise) {
    StereoBuffer out = arpeggio({79, 74, 67}, 0.06, 0.4, -0.4, [&](double hz) { return harp(hz, 0.7, 0.8, noise); });
    put(out, swish(3000.0, 700.0, 0.25, 0.35, noise), 0.0, 0.6);
    return out;
}

StereoBuffer itemCollected(Noise& noise, const std::vector<int>& notes) {
    StereoBuffer out = arpeggio(notes, 0.065, -0.3, 0.3, [](double hz) { return celesta(hz, 0.8); });
    put(out, bell(midiToHz(notes.back() + 12), 0.5, 3.5, 2.0, 0.35), 0.065 * notes.size(), 0.5);
    sparkle(out, noise, 0.1, 0.3, 5, 96, 0.18);
    return out;
}

StereoBuffer itemMissed(Noise& noise, int note, double detune) {
    StereoBuffer out;
    put(out, frameDrum(midiToHz(note), 0.7, noise), 0.0, 0.7);
    put(out, harp(midiToHz(note + 13) * detune, 0.5, 0.25, noise), 0.01, 0.5, -0.1);
    put(out, harp(midiToHz(note + 18), 0.4, 0.25, noise), 0.05, 0.45, 0.1);
    return out;
}

StereoBuffer voiceCue(Noise& noise, const std::string& line, const std::string& scratch) {
    // The chime stays under the voice so the words carry.
    StereoBuffer out;
    out.add(itemCollected(noise, {76, 79, 84}), 0, 0.4f);
    const std::vector<float> spoken = speak(line, scratch);
    if (!spoken.empty()) {
        put(out, spoken, 0.18, 1.6);
    }
    return out;
}

StereoBuffer hintUsed(Noise& noise, int lowNote) {
    StereoBuffer out;
    put(out, swish(800.0, 6000.0, 0.7, 0.3, noise), 0.0, 0.6);
    sparkle(out, noise, 0.0, 0.8, 14, lowNote, 0.35);
    put(out, bell(midiToHz(lowNote - 12), 0.6, 1.4, 2.0, 0.6), 0.0, 0.5);
    return out;
}

StereoBuffer hintEnabled(Noise& noise) {
    StereoBuffer out = arpeggio({79, 86, 91}, 0.09, -0.3, 0.3, [](double hz) { return bell(hz, 0.7, 3.5, 1.4, 0.4); });
    sparkle(out, noise, 0.2, 0.2, 3, 98, 0.2);
    return out;
}

StereoBuffer timeChallengeStarted(Noise& noise) {
    StereoBuffer out;
    for (int i = 0; i < 4; ++i) {
        put(out, click(i % 2 ? 2400.0 : 3000.0, 10.0, 0.06, 0.9, noise), 0.25 * i, 0.7, i % 2 ? 0.25 : -0.25);
    }
    StereoBuffer call = arpeggio({72, 76, 79, 84}, 0.08, -0.2, 0.2, [](double hz) { return bell(hz, 0.8, 2.0, 2.5, 0.5); });
    out.add(call, framesOf(1.0), 0.8f);
    return out;
}

StereoBuffer timeChallengeEnded(Noise&) {
    StereoBuffer out = arpeggio({79, 75, 72, 67}, 0.16, 0.3, -0.3, [](double hz) { return bell(hz, 0.8, 1.4, 3.0, 0.7); });
    put(out, bell(midiToHz(48), 0.9, 1.4, 4.0, 1.2), 0.64, 0.8);
    return out;
}

StereoBuffer reward(Noise& noise, const std::vector<int>& notes, int sparkles, double spacing) {
    StereoBuffer out = arpeggio(notes, spacing, -0.5, 0.5, [](double hz) { return celesta(hz, 0.9); });
    const double end = spacing * notes.size();
    for (int offset : {0, 4, 7, 12}) {
        put(out, strings(midiToHz(notes.front() - 12 + offset), end + 0.6, 0.5, offset), 0.0, 0.35);
    }
    put(out, bell(midiToHz(notes.back()), 0.8, 3.5, 2.5, 0.8), end, 0.6);
    sparkle(out, noise, end * 0.5, end, sparkles, 96, 0.2);
    return out;
}

StereoBuffer sceneIntro(Noise& noise) {
    StereoBuffer out;
    for (int note : {50, 57, 62, 66}) {
        put(out, strings(midiToHz(note), 1.0, 0.6, note), 0.0, 0.4);
    }
    StereoBuffer glide = arpeggio({62, 66, 69, 74, 78, 81}, 0.07, -0.6, 0.6, [&](double hz) { return harp(hz, 0.6, 1.5, noise); });
    out.add(glide, framesOf(0.2), 0.8f);
    put(out, bell(midiToHz(86), 0.6, 3.5, 1.5, 0.7), 0.7, 0.5);
    return out;
}

StereoBuffer logo(Noise& noise) {
    StereoBuffer out;
    for (int note : {43, 55, 59, 62, 67}) {
        put(out, strings(midiToHz(note), 1.4, 0.6, note), 0.0, 0.4);
    }
    StereoBuffer glide = arpeggio({55, 59, 62, 67, 71, 74, 79, 83}, 0.055, -0.7, 0.7, [&](double hz) { return harp(hz, 0.6, 2.0, noise); });
    out.add(glide, framesOf(0.1), 0.8f);
    put(out, bell(midiToHz(79), 0.7, 3.5, 2.0, 1.0), 0.6, 0.5);
    put(out, bell(midiToHz(86), 0.5, 3.5, 2.0, 1.0), 0.75, 0.4);
    return out;
}

StereoBuffer minigameStart(Noise& noise) {
    StereoBuffer out = arpeggio({67, 72, 74, 79}, 0.12, -0.3, 0.3, [](double hz) { return celesta(hz, 0.8); });
    for (int note : {48, 55}) {
        put(out, harp(midiToHz(note), 0.7, 1.2, noise), 0.36, 0.6);
    }
    put(out, kick(0.5), 0.36, 0.5);
    return out;
}

StereoBuffer minigameEnd(Noise& noise) {
    StereoBuffer out = arpeggio({74, 71, 72, 76, 79, 84}, 0.11, -0.4, 0.4, [](double hz) { return celesta(hz, 0.8); });
    for (int note : {43, 50, 55}) {
        put(out, strings(midiToHz(note), 0.3, 0.5, note), 0.0, 0.35);
    }
    for (int note : {48, 55, 64, 72}) {
        put(out, strings(midiToHz(note), 0.7, 0.5, note), 0.33, 0.35);
        put(out, harp(midiToHz(note), 0.5, 1.5, noise), 0.33 + (note - 48) * 0.004, 0.4);
    }
    sparkle(out, noise, 0.5, 0.4, 5, 96, 0.15);
    return out;
}

StereoBuffer itemMoved(Noise& noise) {
    StereoBuffer out;
    put(out, swish(700.0, 400.0, 0.08, 0.8, noise), 0.0, 0.8);
    put(out, click(260.0, 3.0, 0.05, 0.6, noise), 0.0, 0.6);
    return out;
}

StereoBuffer dialRotated(Noise& noise) {
    StereoBuffer out;
    for (int i = 0; i < 4; ++i) {
        put(out, click(1100.0 + 90.0 * i, 7.0, 0.05, 0.8, noise), 0.075 * i, 0.6);
        put(out, click(320.0, 3.0, 0.04, 0.6, noise), 0.075 * i, 0.4);
    }
    put(out, swish(300.0, 500.0, 0.3, 0.25, noise), 0.0, 0.5);
    return out;
}

StereoBuffer dialPlaced(Noise& noise) {
    StereoBuffer out;
    put(out, frameDrum(80.0, 0.9, noise), 0.0, 0.8);
    put(out, click(1500.0, 9.0, 0.1, 0.9, noise), 0.0, 0.6);
    put(out, bell(midiToHz(76), 0.6, 1.4, 1.2, 0.5), 0.03, 0.5);
    put(out, bell(midiToHz(83), 0.5, 1.4, 1.0, 0.5), 0.03, 0.35);
    return out;
}

StereoBuffer targetHit(Noise& noise) {
    StereoBuffer out;
    put(out, frameDrum(180.0, 0.6, noise), 0.0, 0.6);
    put(out, bell(midiToHz(88), 0.8, 3.5, 2.0, 0.3), 0.01, 0.6);
    put(out, bell(midiToHz(95), 0.6, 3.5, 1.5, 0.25), 0.06, 0.45);
    return out;
}

StereoBuffer targetMissed(Noise& noise) {
    StereoBuffer out;
    put(out, swish(2500.0, 900.0, 0.15, 0.6, noise), 0.0, 0.8);
    put(out, click(350.0, 2.5, 0.06, 0.7, noise), 0.12, 0.6);
    return out;
}

StereoBuffer targetElsewhere(Noise& noise) {
    StereoBuffer out;
    put(out, click(420.0, 3.0, 0.07, 0.8, noise), 0.0, 0.6);
    put(out, harp(midiToHz(45), 0.5, 0.2, noise), 0.0, 0.5);
    return out;
}

struct Entry {
    std::string name;
    std::vector<Recipe> variants;
    double reverbRoom;
    double reverbWet;
    double maxSeconds;
};

}  // namespace

std::vector<BakedEffect> bakeEffects(const std::string& workDir) {
    const auto voice = [&](const std::string& line, const std::string& file) {
        return [=](Noise& n) { return voiceCue(n, line, workDir + "/" + file + ".speech.wav"); };
    };
    const std::vector<Entry> entries = {
        {"BUTTON_PRESS", {[](Noise& n) { return buttonPress(n, 79); }, [](Noise& n) { return buttonPress(n, 81); },
                          [](Noise& n) { return buttonPress(n, 76); }}, 0.3, 0.25, 0.25},
        {"BUTTON_OVER", {buttonOver}, 0.3, 0.3, 0.22},
        {"BUTTON_OVER_HINT", {hoverHint}, 0.4, 0.3, 0.6},
        {"BUTTON_OVER_MAP_SCREEN", {hoverMap}, 0.3, 0.25, 0.4},
        {"CHECKBOX_CHECK", {[](Noise& n) { return checkbox(n, true); }}, 0.3, 0.25, 0.3},
        {"CHECKBOX_UNCHECK", {[](Noise& n) { return checkbox(n, false); }}, 0.3, 0.25, 0.3},
        {"TEXT_INPUT", {textInput}, 0.2, 0.15, 0.12},
        {"DIALOG_OPENED", {dialogOpened}, 0.5, 0.35, 0.8},
        {"DIALOG_CLOSED", {dialogClosed}, 0.5, 0.35, 0.7},
        {"ITEM_COLLECTED", {[](Noise& n) { return itemCollected(n, {72, 76, 79, 84}); },
                            [](Noise& n) { return itemCollected(n, {74, 78, 81, 86}); },
                            [](Noise& n) { return itemCollected(n, {71, 74, 79, 83}); }}, 0.5, 0.35, 1.3},
        {"ITEM_MISSED", {[](Noise& n) { return itemMissed(n, 45, 1.0); },
                         [](Noise& n) { return itemMissed(n, 43, 1.01); },
                         [](Noise& n) { return itemMissed(n, 47, 0.99); }}, 0.3, 0.25, 0.45},
        {"VO_RUNE_COLLECTED", {voice("Rune collected!", "VO_RUNE_COLLECTED")}, 0.5, 0.3, 2.6},
        {"VO_MAGIC_ITEM_FOUND", {voice("Magic item found!", "VO_MAGIC_ITEM_FOUND")}, 0.5, 0.3, 2.6},
        {"HINT_USED", {[](Noise& n) { return hintUsed(n, 86); }}, 0.7, 0.4, 1.6},
        {"SCENE_HINT_USED", {[](Noise& n) { return hintUsed(n, 84); }}, 0.7, 0.4, 1.6},
        {"HINT_ENABLED", {hintEnabled}, 0.6, 0.35, 1.0},
        {"TIME_CHALLENGE_STARTED", {timeChallengeStarted}, 0.5, 0.3, 2.2},
        {"TIME_CHALLENGE_ENDED", {timeChallengeEnded}, 0.7, 0.4, 3.0},
        {"GOLD_REWARD_EFFECT", {[](Noise& n) { return reward(n, {72, 76, 79, 84, 88, 91, 96}, 14, 0.11); }}, 0.8, 0.4, 3.0},
        {"SILVER_REWARD_EFFECT", {[](Noise& n) { return reward(n, {72, 76, 79, 84, 88}, 9, 0.12); }}, 0.8, 0.4, 2.6},
        {"BRONZE_REWARD_EFFECT", {[](Noise& n) { return reward(n, {72, 76, 79, 84}, 5, 0.13); }}, 0.8, 0.4, 2.2},
        {"SCENE_INTRO", {sceneIntro}, 0.8, 0.4, 2.5},
        {"LOGO", {logo}, 0.8, 0.4, 3.5},
        {"MINIGAME_START", {minigameStart}, 0.6, 0.35, 1.6},
        {"MINIGAME_END", {minigameEnd}, 0.7, 0.4, 2.4},
        {"ITEM_MOVED", {itemMoved}, 0.2, 0.15, 0.15},
        {"DIAL_ROTATED", {dialRotated}, 0.3, 0.2, 0.35},
        {"DIAL_PLACED", {dialPlaced}, 0.5, 0.3, 1.0},
        {"TARGET_HIT", {targetHit}, 0.5, 0.3, 0.7},
        {"TARGET_MISSED", {targetMissed}, 0.3, 0.2, 0.35},
        {"TARGET_ELSEWHERE", {targetElsewhere}, 0.3, 0.2, 0.25},
    };
    std::vector<BakedEffect> baked;
    std::uint32_t seed = 1;
    for (const Entry& entry : entries) {
        for (std::size_t v = 0; v < entry.variants.size(); ++v) {
            Noise noise(seed++ * 2654435761u);
            StereoBuffer audio = entry.variants[v](noise);
            addReverb(audio, entry.reverbRoom, entry.reverbWet);
            trimAndFade(audio, entry.maxSeconds);
            normalise(audio, kEffectRms, kPeakCeiling);
            std::string file = entry.name;
            if (entry.variants.size() > 1) {
                file += "_" + std::to_string(v + 1);
            }
            baked.push_back({entry.name, file + ".wav", std::move(audio)});
        }
    }
    return baked;
}
