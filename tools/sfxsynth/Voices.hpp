#pragma once

#include <vector>

#include "Dsp.hpp"

// The instruments of the default sound set. Each renders one note as a mono
// signal (peak about 1 at velocity 1) that starts with the note and runs to
// the end of its natural decay. Frequencies in Hz, durations in seconds.
namespace voices {

double midiToHz(double midi);

// Struck metal bars: bright fundamental, quickly fading upper partials.
std::vector<float> celesta(double hz, double velocity);
// Tuned tines with inharmonic partials, a clear ringing bell.
std::vector<float> musicBox(double hz, double velocity);
// Plucked string (Karplus-Strong): harp, or pizzicato when damped harder.
std::vector<float> harp(double hz, double velocity, double decaySeconds, Noise& noise);
// Bowed-string ensemble: slow swell, held for the duration, soft release.
std::vector<float> strings(double hz, double duration, double velocity, double phaseSeed);
// Breathy wooden flute with delayed vibrato.
std::vector<float> flute(double hz, double duration, double velocity, Noise& noise);
// Soft round bass.
std::vector<float> bass(double hz, double duration, double velocity);
// FM bell: ratio of modulator to carrier and the starting index set the colour.
std::vector<float> bell(double hz, double velocity, double ratio, double index, double decaySeconds);

// Percussion.
std::vector<float> kick(double velocity);
std::vector<float> shaker(double velocity, Noise& noise);
std::vector<float> frameDrum(double hz, double velocity, Noise& noise);
// A short filtered click (wood, stone or glass depending on the centre).
std::vector<float> click(double centreHz, double q, double seconds, double velocity, Noise& noise);
// Filtered noise swept between two centres: air movement, paper, sliding.
std::vector<float> swish(double fromHz, double toHz, double seconds, double velocity, Noise& noise);

}  // namespace voices
