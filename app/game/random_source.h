// The program's one source of random numbers, replaceable so tests can script every draw.
#pragma once

#include <cstdint>
#include <random>

namespace kestrins {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Uniform in [0, 1); never 1.
    virtual float Next() = 0;
    // A random index in [0, n): the integer part of r * n.
    int32_t Index(int32_t n) { return static_cast<int32_t>(Next() * static_cast<float>(n)); }
};

class MersenneRandom final : public RandomSource {
public:
    explicit MersenneRandom(uint32_t seed) : engine_(seed) {}
    float Next() override;

private:
    std::mt19937 engine_;
};

// Seed from KESTRINS_SEED when it holds a number, else from the time of day.
uint32_t StartupSeed();

}  // namespace kestrins
