// The generator's building blocks: tones, filtered noise and envelopes on a buffer of samples.
#pragma once

#include <vector>

#include "procedural.h"

namespace kestrins::sound {

inline constexpr double Rate = 44100.0;

// Samples in [-1, 1] at Rate, one channel.
using Samples = std::vector<double>;

// A buffer of silence `seconds` long.
Samples Silence(double seconds);

// A struck tone from `start`: a sine with a few inharmonic partials (`brightness` 0 to 1 weighs
// them), rising over `attack` seconds and dying away with time constant `decay`.
struct Strike {
    double Frequency;
    double Gain;
    double Attack;
    double Decay;
    double Brightness = 0.0;
};
void AddStrike(Samples& samples, double start, const Strike& strike);

// Noise through a band-pass filter whose centre glides from `fromHz` to `toHz` over the burst,
// with the same rise and fall as a strike; `length` seconds long.
struct Rustle {
    double FromHz;
    double ToHz;
    double Gain;
    double Attack;
    double Decay;
    double Length;
};
void AddRustle(Samples& samples, double start, const Rustle& rustle, art::SeededRandom& random);

// The clack of a chip set down: a short noise click over two hard inharmonic partials.
void AddChip(Samples& samples, double start, double pitch, double gain, art::SeededRandom& random);

// Scales the buffer so that its loudest sample has this magnitude, then brings its first
// `fadeIn` and last `fadeOut` seconds smoothly from and to silence, so that nothing clicks at
// either end.
void Finish(Samples& samples, double peak, double fadeIn, double fadeOut);

}  // namespace kestrins::sound
