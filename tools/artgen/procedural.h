// Seeded random numbers and smooth noise for the procedural textures; same seed, same picture.
#pragma once

#include <cstdint>

namespace kestrins::art {

// splitmix64: tiny, fully specified, so the pictures do not depend on a library's distributions.
class SeededRandom {
public:
    explicit SeededRandom(uint64_t seed) : state_(seed) {}
    uint64_t NextBits();
    // Uniform in [0, 1).
    double Next();
    // Uniform in [low, high).
    double Range(double low, double high) { return low + (high - low) * Next(); }

private:
    uint64_t state_;
};

// Value noise in [0, 1] on an integer lattice, smoothly interpolated between lattice points.
double ValueNoise(double x, double y, uint32_t seed);

// Sum of octaves of value noise (each twice the frequency, half the weight), in [0, 1].
double FractalNoise(double x, double y, int octaves, uint32_t seed);

}  // namespace kestrins::art
