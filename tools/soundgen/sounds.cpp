// The recipes: cards rustle, chips clack, and the animations ring small bells. All quiet.
#include "sounds.h"

#include <cstdint>

namespace kestrins::sound {

namespace {

// Loudest sample of each family of sounds: the clicks a little louder than the longer sounds,
// which carry more over their length.
constexpr double ClickPeak = 0.25;
constexpr double CardPeak = 0.22;
constexpr double TunePeak = 0.20;

// A ratio near 1 for a take's small differences of pitch and pace.
double Near(art::SeededRandom& random, double spread) {
    return random.Range(1.0 - spread, 1.0 + spread);
}

// A card flicked onto the cloth: a bright rustle with a soft thump under it.
Samples Deal(art::SeededRandom& random) {
    Samples samples = Silence(0.11);
    const double pitch = Near(random, 0.12);
    AddRustle(samples, 0.0, {4200.0 * pitch, 2100.0 * pitch, 1.0, 0.002, 0.022, 0.1}, random);
    AddStrike(samples, 0.004, {170.0 * pitch, 0.5, 0.002, 0.018});
    Finish(samples, CardPeak, 0.001, 0.015);
    return samples;
}

// A light wooden tick: higher for a mark, lower for taking it back.
Samples Tick(art::SeededRandom& random, double frequency) {
    Samples samples = Silence(0.07);
    const double pitch = Near(random, 0.02);
    AddStrike(samples, 0.0, {frequency * pitch, 1.0, 0.001, 0.014, 0.6});
    AddRustle(samples, 0.0, {3000.0, 2500.0, 0.3, 0.0005, 0.003, 0.01}, random);
    Finish(samples, ClickPeak * 0.8, 0.0005, 0.012);
    return samples;
}

// Cards swept off the table (falling) or slid in (rising), ending with a tap for new ones.
Samples Slide(art::SeededRandom& random, bool incoming) {
    Samples samples = Silence(0.2);
    const double pitch = Near(random, 0.08);
    const double from = (incoming ? 1300.0 : 3800.0) * pitch;
    const double to = (incoming ? 3400.0 : 1400.0) * pitch;
    AddRustle(samples, 0.0, {from, to, 1.0, 0.05, 0.05, 0.19}, random);
    if (incoming) {
        AddStrike(samples, 0.15, {190.0 * pitch, 0.4, 0.002, 0.02});
    }
    Finish(samples, CardPeak * 0.9, 0.002, 0.02);
    return samples;
}

// One chip set down, with a small bounce.
Samples Call(art::SeededRandom& random) {
    Samples samples = Silence(0.12);
    const double pitch = Near(random, 0.05);
    AddChip(samples, 0.0, pitch, 1.0, random);
    AddChip(samples, 0.035, pitch * 1.02, 0.35, random);
    Finish(samples, ClickPeak, 0.0005, 0.02);
    return samples;
}

// Three chips pushed in one after another.
Samples Raise(art::SeededRandom& random) {
    Samples samples = Silence(0.27);
    for (const double at : {0.0, 0.07, 0.13}) {
        AddChip(samples, at * Near(random, 0.1), Near(random, 0.06), Near(random, 0.15), random);
    }
    Finish(samples, ClickPeak, 0.0005, 0.03);
    return samples;
}

// One light chip for each dollar of the human's raise; the takes climb a little in pitch, so
// that a held button runs upwards.
Samples RaiseStep(art::SeededRandom& random, int take) {
    Samples samples = Silence(0.06);
    AddChip(samples, 0.0, 1.15 + 0.06 * take, 1.0, random);
    Finish(samples, ClickPeak * 0.7, 0.0005, 0.015);
    return samples;
}

// Two soft falling notes: the seat gives up.
Samples Drop() {
    Samples samples = Silence(0.45);
    AddStrike(samples, 0.0, {392.0, 1.0, 0.015, 0.12, 0.3});
    AddStrike(samples, 0.16, {293.7, 1.0, 0.015, 0.16, 0.3});
    Finish(samples, TunePeak * 0.8, 0.001, 0.05);
    return samples;
}

// The pot raked in: a cascade of chips, thinning out.
Samples Chips(art::SeededRandom& random) {
    Samples samples = Silence(0.6);
    double at = 0.0;
    double gain = 1.0;
    for (int chip = 0; chip < 10; ++chip) {
        AddChip(samples, at, Near(random, 0.12), gain * Near(random, 0.2), random);
        at += random.Range(0.025, 0.06);
        gain *= 0.85;
    }
    Finish(samples, ClickPeak, 0.0005, 0.05);
    return samples;
}

// Bell notes at the given times (seconds) and frequencies, rung one after another.
Samples Bells(double length, std::initializer_list<std::pair<double, double>> notes, double decay,
              double fadeOut) {
    Samples samples = Silence(length);
    for (const auto& [at, frequency] : notes) {
        AddStrike(samples, at, {frequency, 1.0, 0.004, decay, 0.5});
    }
    Finish(samples, TunePeak, 0.001, fadeOut);
    return samples;
}

Samples Make(SoundCue cue, int take, art::SeededRandom& random) {
    switch (cue) {
        case SoundCue::GameStart:  // C, E, G and the octave, rising
            return Bells(1.0, {{0.0, 523.3}, {0.1, 659.3}, {0.2, 784.0}, {0.3, 1046.5}}, 0.22,
                         0.25);
        case SoundCue::Deal:
            return Deal(random);
        case SoundCue::Mark:
            return Tick(random, 1320.0);
        case SoundCue::Unmark:
            return Tick(random, 880.0);
        case SoundCue::Throw:
            return Slide(random, false);
        case SoundCue::Draw:
            return Slide(random, true);
        case SoundCue::Call:
            return Call(random);
        case SoundCue::Raise:
            return Raise(random);
        case SoundCue::RaiseStep:
            return RaiseStep(random, take);
        case SoundCue::Drop:
            return Drop();
        case SoundCue::Chips:
            return Chips(random);
        case SoundCue::Win:  // a little fanfare: G, C, E, G, then the high C rings on
            return Bells(1.5,
                         {{0.0, 392.0},
                          {0.09, 523.3},
                          {0.18, 659.3},
                          {0.27, 784.0},
                          {0.42, 1046.5},
                          {0.42, 659.3}},
                         0.3, 0.35);
        case SoundCue::Lose:  // falling slowly to a low A
            return Bells(1.4, {{0.0, 329.6}, {0.22, 293.7}, {0.44, 261.6}, {0.7, 220.0}}, 0.28,
                         0.35);
        case SoundCue::MatchEnd:  // one soft chord
            return Bells(1.6, {{0.0, 261.6}, {0.0, 392.0}, {0.02, 523.3}, {0.04, 659.3}}, 0.45,
                         0.5);
    }
    return {};
}

}  // namespace

Samples MakeSound(SoundCue cue, int take) {
    // Every take its own seed, from the cue and the take alone.
    art::SeededRandom random(0x4B657374'72696E73ULL ^ (static_cast<uint64_t>(cue) << 8) ^
                             static_cast<uint64_t>(take));
    return Make(cue, take, random);
}

}  // namespace kestrins::sound
