#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "StereoBuffer.hpp"

// A piece of loopable game music described by its key, metre, harmony and
// instruments; compose() writes the notes from a seeded generator, so the
// same description always gives the same piece.
struct TrackSpec {
    enum class Lead { Celesta, MusicBox, Flute, Bell };
    enum class Groove { None, Shaker, Waltz, FrameDrum };

    std::string name;
    double bpm;
    int beatsPerBar;
    int tonic;                         // MIDI note of the key's tonic near middle C
    std::vector<int> scale;            // semitones of the seven scale steps
    std::vector<int> progressionA;     // scale degree (0 = tonic) of each bar's chord
    std::vector<int> progressionB;
    Lead leadA;
    Lead leadB;
    Groove groove;
    double room;
    double wet;
    std::uint32_t seed;
};

// The pieces of the default content.
const std::vector<TrackSpec>& trackSpecs();
const TrackSpec* findTrack(const std::string& name);

// Renders the piece as a seamless loop of at least minimumSeconds whose ends
// are faded to silence over a few milliseconds.
StereoBuffer compose(const TrackSpec& track, double minimumSeconds);

// Level every piece is brought to (RMS, linear) and the peak it never exceeds.
constexpr float kMusicRms = 0.11f;
constexpr float kMusicCeiling = 0.85f;
