#include "Composer.hpp"

#include <algorithm>
#include <cmath>

#include "Dsp.hpp"
#include "Voices.hpp"

using namespace voices;

namespace {

const std::vector<int> kMajor = {0, 2, 4, 5, 7, 9, 11};
const std::vector<int> kMinor = {0, 2, 3, 5, 7, 8, 10};

// A note of the melody: scale step (0 = tonic, 7 = tonic an octave up),
// start and length in beats; rests are simply absent.
struct MelodyNote {
    int step;
    double start;
    double length;
};

class Piece {
public:
    Piece(const TrackSpec& track, int bars)
        : track_(track), bars_(bars), beat_(60.0 / track.bpm), noise_(track.seed), humanise_(track.seed ^ 0x5bd1e995u) {}

    StereoBuffer render();

private:
    int pitchOf(int step, int octave) const {
        const int size = static_cast<int>(track_.scale.size());
        const int wrapped = ((step % size) + size) % size;
        const int octaves = (step - wrapped) / size;
        return track_.tonic + 12 * (octave + octaves) + track_.scale[wrapped];
    }
    std::vector<int> chordSteps(int degree) const { return {degree, degree + 2, degree + 4}; }
    bool isChordTone(int step, int degree) const {
        const int size = static_cast<int>(track_.scale.size());
        const int relative = (((step - degree) % size) + size) % size;
        return relative == 0 || relative == 2 || relative == 4;
    }
    double seconds(int bar, double beat) const { return (bar * track_.beatsPerBar + beat) * beat_; }
    double jitter() { return humanise_.next() * 0.006; }
    double velocity(double base) { return base * (1.0 + humanise_.next() * 0.08); }

    std::vector<MelodyNote> writePhrase(const std::vector<int>& progression);
    void playLead(const std::vector<MelodyNote>& phrase, int firstBar, TrackSpec::Lead lead, int octave, double gain);
    void playHarmony(const std::vector<int>& progression, int firstBar, double fullness);
    void playGroove(int firstBar, int count, double intensity);
    void put(const std::vector<float>& note, double at, double gain, double pan) {
        out_.add(note, framesOf(std::max(0.0, at)), static_cast<float>(gain), static_cast<float>(pan));
    }

    const TrackSpec& track_;
    int bars_;
    double beat_;
    Noise noise_;
    Noise humanise_;
    StereoBuffer out_;
};

std::vector<MelodyNote> Piece::writePhrase(const std::vector<int>& progression) {
    static const std::vector<std::vector<double>> fourBeat = {
        {1, 1, 2}, {0.5, 0.5, 1, 2}, {1.5, 0.5, 1, 1}, {2, 1, 1}, {1, 1, 1, 1}, {-1, 1, 1, 1}, {3, 1}, {0.5, 0.5, 0.5, 0.5, 2}};
    static const std::vector<std::vector<double>> threeBeat = {
        {1, 1, 1}, {2, 1}, {1.5, 0.5, 1}, {-1, 1, 1}, {1, 0.5, 0.5, 1}, {2, 0.5, 0.5}};
    const auto& patterns = track_.beatsPerBar == 3 ? threeBeat : fourBeat;
    const int bars = static_cast<int>(progression.size());
    // A two-bar motif, answered by its sequence on the next two chords, then a
    // freer continuation and a cadence: the shape of a simple song phrase.
    std::vector<MelodyNote> phrase;
    std::vector<std::size_t> barStart(bars, 0);
    int step = 2 + noise_.below(3);
    for (int bar = 0; bar < bars; ++bar) {
        barStart[bar] = phrase.size();
        const int degree = progression[bar];
        if (bar == 2 || bar == 3) {
            const int shift = degree - progression[bar - 2];
            for (std::size_t n = barStart[bar - 2]; n < barStart[bar - 1]; ++n) {
                MelodyNote copy = phrase[n];
                copy.step = std::clamp(copy.step + shift, 0, 9);
                copy.start += 2 * track_.beatsPerBar;
                phrase.push_back(copy);
                step = copy.step;
            }
            continue;
        }
        if (bar == bars - 1) {
            // The half cadence: one long note on the root of the phrase's last chord.
            phrase.push_back({degree + 7 <= 9 ? degree + 7 : degree, static_cast<double>(bar * track_.beatsPerBar),
                              static_cast<double>(track_.beatsPerBar)});
            continue;
        }
        double at = 0.0;
        for (double length : patterns[noise_.below(static_cast<int>(patterns.size()))]) {
            if (length > 0) {
                if (at == 0.0 || length >= 1.0) {
                    // Strong beats and long notes land on a chord tone near the line.
                    const int wanted = step + noise_.below(5) - 2;
                    for (int distance = 0; distance < 4; ++distance) {
                        if (isChordTone(wanted + distance, degree)) {
                            step = wanted + distance;
                            break;
                        }
                        if (isChordTone(wanted - distance, degree)) {
                            step = wanted - distance;
                            break;
                        }
                    }
                } else {
                    step += noise_.below(2) == 0 ? -1 : 1;
                }
                step = std::clamp(step, 0, 9);
                phrase.push_back({step, bar * track_.beatsPerBar + at, length});
            }
            at += std::fabs(length);
        }
    }
    return phrase;
}

void Piece::playLead(const std::vector<MelodyNote>& phrase, int firstBar, TrackSpec::Lead lead, int octave, double gain) {
    for (const MelodyNote& note : phrase) {
        const double hz = midiToHz(pitchOf(note.step, octave));
        const double at = seconds(firstBar, note.start) + jitter();
        const double pan = -0.15 + 0.03 * (note.step % 10);
        switch (lead) {
            case TrackSpec::Lead::Celesta:
                put(celesta(hz, velocity(0.8)), at, gain, pan);
                break;
            case TrackSpec::Lead::MusicBox:
                put(musicBox(hz, velocity(0.8)), at, gain, pan);
                break;
            case TrackSpec::Lead::Bell:
                put(bell(hz, velocity(0.7), 3.5, 1.2, 0.5 + note.length * beat_ * 0.3), at, gain * 0.9, pan);
                break;
            case TrackSpec::Lead::Flute:
                put(flute(hz, note.length * beat_ * 0.92, velocity(0.75), noise_), at, gain * 0.8, pan);
                break;
        }
    }
}

void Piece::playHarmony(const std::vector<int>& progression, int firstBar, double fullness) {
    const int beats = track_.beatsPerBar;
    for (std::size_t i = 0; i < progression.size(); ++i) {
        const int bar = firstBar + static_cast<int>(i);
        const int degree = progression[i];
        const std::vector<int> chord = chordSteps(degree);
        // Strings: the chord held through the bar, voiced around the G below middle C.
        for (int step : chord) {
            int pitch = pitchOf(step, -1);
            while (pitch < 52) pitch += 12;
            while (pitch > 64) pitch -= 12;
            put(strings(midiToHz(pitch), beats * beat_ * 0.98, velocity(0.3), pitch), seconds(bar, 0), 0.45 * fullness,
                (pitch % 3 - 1) * 0.3);
        }
        const int bassPitch = pitchOf(degree, -2) >= 36 ? pitchOf(degree, -2) : pitchOf(degree, -1);
        if (beats == 3) {
            // Waltz: bass on one, the harp strums the chord on two and three.
            put(bass(midiToHz(bassPitch), beat_ * 0.9, velocity(0.7)), seconds(bar, 0) + jitter(), 0.3, 0.0);
            for (int beat = 1; beat < 3; ++beat) {
                for (std::size_t n = 0; n < chord.size(); ++n) {
                    put(harp(midiToHz(pitchOf(chord[n], 0)), velocity(0.45), 1.0, noise_),
                        seconds(bar, beat) + 0.012 * n + jitter(), 0.28 * fullness, 0.25);
                }
            }
            continue;
        }
        put(bass(midiToHz(bassPitch), beat_ * 1.8, velocity(0.7)), seconds(bar, 0) + jitter(), 0.3, 0.0);
        put(bass(midiToHz(bassPitch + 7), beat_ * 1.6, velocity(0.55)), seconds(bar, 2) + jitter(), 0.26, 0.0);
        // Harp arpeggio in eighths over two octaves, up and back.
        static const int shape[] = {0, 1, 2, 3, 4, 3, 2, 1};
        for (int eighth = 0; eighth < 8; ++eighth) {
            const int step = degree + 2 * shape[eighth];
            const double pan = eighth < 4 ? 0.35 : -0.2;
            put(harp(midiToHz(pitchOf(step, -1)), velocity(eighth == 0 ? 0.55 : 0.4), 1.6, noise_),
                seconds(bar, eighth * 0.5) + jitter(), 0.35 * fullness, pan);
        }
    }
}

void Piece::playGroove(int firstBar, int count, double intensity) {
    const int beats = track_.beatsPerBar;
    for (int bar = firstBar; bar < firstBar + count; ++bar) {
        switch (track_.groove) {
            case TrackSpec::Groove::None:
                break;
            case TrackSpec::Groove::Shaker:
                for (int eighth = 0; eighth < beats * 2; ++eighth) {
                    put(shaker(velocity(eighth % 2 ? 0.6 : 0.35), noise_), seconds(bar, eighth * 0.5) + jitter(),
                        0.2 * intensity, 0.4);
                }
                put(kick(velocity(0.6)), seconds(bar, 0), 0.25 * intensity, 0.0);
                if (intensity > 0.9) {
                    put(kick(velocity(0.45)), seconds(bar, 2.5), 0.2, 0.0);
                }
                break;
            case TrackSpec::Groove::Waltz:
                put(kick(velocity(0.55)), seconds(bar, 0), 0.22 * intensity, 0.0);
                for (int beat = 1; beat < 3; ++beat) {
                    put(shaker(velocity(0.5), noise_), seconds(bar, beat) + jitter(), 0.22 * intensity, -0.3);
                }
                break;
            case TrackSpec::Groove::FrameDrum:
                put(frameDrum(95.0, velocity(0.7), noise_), seconds(bar, 0), 0.25 * intensity, -0.1);
                put(frameDrum(140.0, velocity(0.45), noise_), seconds(bar, 2.5), 0.3 * intensity, 0.2);
                put(frameDrum(140.0, velocity(0.35), noise_), seconds(bar, 3), 0.25 * intensity, 0.2);
                break;
        }
    }
}

StereoBuffer Piece::render() {
    const int phraseBars = static_cast<int>(track_.progressionA.size());
    const std::vector<MelodyNote> phraseA = writePhrase(track_.progressionA);
    const std::vector<MelodyNote> phraseB = writePhrase(track_.progressionB);
    // The last theme ends on the tonic chord, so the loop closes with a cadence.
    std::vector<int> closingChords = track_.progressionA;
    closingChords.back() = 0;
    std::vector<MelodyNote> closing = phraseA;
    closing.back().step = 7;
    // Sections in turn: the theme, the contrasting phrase, the theme again an
    // octave up with the full band, then the contrast once more for long loops.
    for (int section = 0; section * phraseBars < bars_; ++section) {
        const int first = section * phraseBars;
        const bool lastSection = (section + 1) * phraseBars >= bars_;
        switch (section % 3) {
            case 0:
                playHarmony(lastSection ? closingChords : track_.progressionA, first, section == 0 ? 0.8 : 1.0);
                playLead(lastSection ? closing : phraseA, first, section == 0 ? track_.leadA : track_.leadB,
                         section == 0 ? 0 : 1, section == 0 ? 0.55 : 0.42);
                playGroove(first, phraseBars, section == 0 ? 0.6 : 1.0);
                break;
            case 1:
                playHarmony(track_.progressionB, first, 0.9);
                playLead(phraseB, first, track_.leadB, 0, 0.5);
                playGroove(first, phraseBars, 0.8);
                break;
            default:
                playHarmony(lastSection ? closingChords : track_.progressionA, first, 1.0);
                playLead(lastSection ? closing : phraseA, first, track_.leadA, 1, 0.45);
                playLead(lastSection ? closing : phraseA, first, TrackSpec::Lead::Bell, 0, 0.12);
                playGroove(first, phraseBars, 1.0);
                break;
        }
    }
    return std::move(out_);
}

}  // namespace

const std::vector<TrackSpec>& trackSpecs() {
    using Lead = TrackSpec::Lead;
    using Groove = TrackSpec::Groove;
    static const std::vector<TrackSpec> specs = {
        {"MainTheme", 76, 4, 67, kMajor, {0, 4, 5, 3, 0, 4, 3, 4}, {5, 3, 0, 4, 5, 3, 1, 4},
         Lead::Celesta, Lead::Flute, Groove::Shaker, 0.85, 0.5, 9999},
        {"Story", 66, 4, 60, kMajor, {0, 3, 5, 4, 0, 3, 1, 4}, {5, 2, 3, 0, 5, 2, 1, 4},
         Lead::Flute, Lead::Celesta, Groove::None, 0.9, 0.55, 6666},
        {"Atelier", 88, 4, 62, kMajor, {0, 5, 1, 4, 0, 5, 3, 4}, {3, 4, 2, 5, 1, 4, 0, 4},
         Lead::MusicBox, Lead::Celesta, Groove::Shaker, 0.75, 0.45, 101},
        {"Clockwork", 108, 3, 65, kMajor, {0, 3, 4, 0, 5, 1, 4, 4}, {3, 0, 1, 4, 5, 3, 4, 4},
         Lead::MusicBox, Lead::Celesta, Groove::Waltz, 0.75, 0.45, 102},
        {"Memories", 70, 4, 69, kMinor, {0, 5, 2, 6, 0, 5, 3, 4}, {3, 0, 5, 2, 3, 5, 6, 6},
         Lead::Flute, Lead::Bell, Groove::FrameDrum, 0.9, 0.55, 201},
        {"Hearth", 92, 3, 62, kMajor, {0, 4, 5, 3, 0, 1, 4, 4}, {3, 0, 4, 5, 1, 4, 0, 4},
         Lead::Flute, Lead::MusicBox, Groove::Waltz, 0.85, 0.5, 202},
        {"Passage", 60, 4, 57, kMinor, {0, 5, 3, 4, 0, 5, 6, 4}, {5, 3, 0, 4, 2, 5, 1, 4},
         Lead::Bell, Lead::Flute, Groove::None, 0.95, 0.6, 7777},
    };
    return specs;
}

const TrackSpec* findTrack(const std::string& name) {
    for (const TrackSpec& track : trackSpecs()) {
        if (track.name == name) {
            return &track;
        }
    }
    return nullptr;
}

StereoBuffer compose(const TrackSpec& track, double minimumSeconds) {
    const int phraseBars = static_cast<int>(track.progressionA.size());
    const double barSeconds = track.beatsPerBar * 60.0 / track.bpm;
    const int phrases = static_cast<int>(std::ceil(minimumSeconds / (barSeconds * phraseBars)));
    const int bars = phrases * phraseBars;
    StereoBuffer audio = Piece(track, bars).render();

    // Whatever rings past the loop point is folded onto the start, so the
    // loop carries its own tail into the next pass.
    const std::size_t loop = framesOf(bars * barSeconds);
    audio.resize(std::max(audio.frames(), loop));
    for (std::size_t i = loop; i < audio.frames(); ++i) {
        audio.left[i - loop] += audio.left[i];
        audio.right[i - loop] += audio.right[i];
    }
    audio.resize(loop);
    Reverb reverb(track.room, 0.45, track.wet);
    reverb.prime(audio, loop - std::min(loop, framesOf(6.0)));
    reverb.process(audio);
    normalise(audio, kMusicRms, kMusicCeiling);
    const std::size_t edge = framesOf(0.012);
    for (std::size_t i = 0; i < edge; ++i) {
        const float gain = static_cast<float>(i) / edge;
        audio.left[i] *= gain;
        audio.right[i] *= gain;
        audio.left[loop - 1 - i] *= gain;
        audio.right[loop - 1 - i] *= gain;
    }
    return audio;
}
