// Seeded random numbers and lattice value noise.
#include "procedural.h"

#include <cmath>

namespace kestrins::art {

uint64_t SeededRandom::NextBits() {
    state_ += 0x9E3779B97F4A7C15ULL;
    uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

double SeededRandom::Next() {
    return static_cast<double>(NextBits() >> 11) * 0x1.0p-53;
}

namespace {

double LatticeValue(int32_t x, int32_t y, uint32_t seed) {
    uint32_t h = static_cast<uint32_t>(x) * 0x8DA6B343U ^ static_cast<uint32_t>(y) * 0xD8163841U ^
                 seed * 0xCB1AB31FU;
    h ^= h >> 16;
    h *= 0x7FEB352DU;
    h ^= h >> 15;
    h *= 0x846CA68BU;
    h ^= h >> 16;
    return static_cast<double>(h) / 4294967295.0;
}

double Smooth(double t) {
    return t * t * (3.0 - 2.0 * t);
}

}  // namespace

double ValueNoise(double x, double y, uint32_t seed) {
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const auto ix = static_cast<int32_t>(fx);
    const auto iy = static_cast<int32_t>(fy);
    const double tx = Smooth(x - fx);
    const double ty = Smooth(y - fy);
    const double top = LatticeValue(ix, iy, seed) * (1 - tx) + LatticeValue(ix + 1, iy, seed) * tx;
    const double bottom =
        LatticeValue(ix, iy + 1, seed) * (1 - tx) + LatticeValue(ix + 1, iy + 1, seed) * tx;
    return top * (1 - ty) + bottom * ty;
}

double FractalNoise(double x, double y, int octaves, uint32_t seed) {
    double sum = 0;
    double weight = 1;
    double total = 0;
    for (int octave = 0; octave < octaves; ++octave) {
        sum += weight * ValueNoise(x, y, seed + static_cast<uint32_t>(octave) * 101U);
        total += weight;
        x *= 2;
        y *= 2;
        weight /= 2;
    }
    return sum / total;
}

}  // namespace kestrins::art
