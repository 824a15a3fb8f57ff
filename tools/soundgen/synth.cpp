// Tones, noise bursts and the finish, all in plain double arithmetic: same input, same samples.
#include "synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kestrins::sound {

namespace {

constexpr double TwoPi = 2.0 * std::numbers::pi;

// Rises as the first quarter of a sine over `attack`, then decays exponentially.
double Envelope(double t, double attack, double decay) {
    if (t < attack) {
        return std::sin(0.5 * std::numbers::pi * t / attack);
    }
    return std::exp(-(t - attack) / decay);
}

std::size_t Index(double seconds) {
    return static_cast<std::size_t>(std::max(0.0, std::round(seconds * Rate)));
}

}  // namespace

Samples Silence(double seconds) {
    return Samples(Index(seconds), 0.0);
}

void AddStrike(Samples& samples, double start, const Strike& strike) {
    // Partials of a small bar or bell: stiffer, so sharper than a string's, and quicker to die.
    constexpr double Ratios[] = {1.0, 2.76, 5.40};
    constexpr double Weights[] = {1.0, 0.45, 0.20};
    for (std::size_t i = Index(start); i < samples.size(); ++i) {
        const double t = static_cast<double>(i) / Rate - start;
        double value = std::sin(TwoPi * strike.Frequency * t);
        for (int partial = 1; partial < 3; ++partial) {
            value += strike.Brightness * Weights[partial] *
                     std::sin(TwoPi * strike.Frequency * Ratios[partial] * t) *
                     std::exp(-t * partial * 3.0 / strike.Decay);
        }
        samples[i] += strike.Gain * value * Envelope(t, strike.Attack, strike.Decay);
    }
}

void AddRustle(Samples& samples, double start, const Rustle& rustle, art::SeededRandom& random) {
    // A two-pole band-pass (constant peak gain) whose centre is set afresh every sample.
    double x1 = 0.0;
    double x2 = 0.0;
    double y1 = 0.0;
    double y2 = 0.0;
    constexpr double Q = 1.2;
    const std::size_t first = Index(start);
    const std::size_t last = std::min(samples.size(), first + Index(rustle.Length));
    for (std::size_t i = first; i < last; ++i) {
        const double t = static_cast<double>(i - first) / Rate;
        const double centre =
            rustle.FromHz * std::pow(rustle.ToHz / rustle.FromHz, t / rustle.Length);
        const double w = TwoPi * centre / Rate;
        const double alpha = std::sin(w) / (2.0 * Q);
        const double a0 = 1.0 + alpha;
        const double x0 = random.Range(-1.0, 1.0);
        const double y0 =
            (alpha * x0 - alpha * x2 + 2.0 * std::cos(w) * y1 - (1.0 - alpha) * y2) / a0;
        x2 = x1;
        x1 = x0;
        y2 = y1;
        y1 = y0;
        samples[i] += rustle.Gain * y0 * Envelope(t, rustle.Attack, rustle.Decay);
    }
}

void AddChip(Samples& samples, double start, double pitch, double gain, art::SeededRandom& random) {
    AddRustle(samples, start, {5200.0 * pitch, 3800.0 * pitch, gain * 0.9, 0.0008, 0.004, 0.03},
              random);
    AddStrike(samples, start, {2950.0 * pitch, gain * 0.5, 0.0005, 0.012, 0.0});
    AddStrike(samples, start, {4410.0 * pitch, gain * 0.3, 0.0005, 0.008, 0.0});
}

void Finish(Samples& samples, double peak, double fadeIn, double fadeOut) {
    double loudest = 0.0;
    for (const double value : samples) {
        loudest = std::max(loudest, std::abs(value));
    }
    if (loudest > 0.0) {
        for (double& value : samples) {
            value *= peak / loudest;
        }
    }
    const auto fade = [&samples](std::size_t length, auto at) {
        length = std::min(length, samples.size() / 2);
        for (std::size_t i = 0; i < length; ++i) {
            samples[at(i)] *= 0.5 - 0.5 * std::cos(std::numbers::pi * static_cast<double>(i) /
                                                   static_cast<double>(length));
        }
    };
    fade(Index(fadeIn), [](std::size_t i) { return i; });
    fade(Index(fadeOut), [&samples](std::size_t i) { return samples.size() - 1 - i; });
}

}  // namespace kestrins::sound
