// The chance to win the showdown against the three computer players, for every keep choice.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <optional>

#include "coach/keep_choice.h"
#include "game/sort_cards.h"

namespace kestrins {

struct WinOdds {
    // Shares of the samples the human wins alone, and of drawn games: any tie for the best hand,
    // also one between two computer seats, gives every bet back.
    double Win = 0.0;
    double Draw = 0.0;
    // One standard error of each share.
    double WinError = 0.0;
    double DrawError = 0.0;
};

// Enough that every standard error stays under 0.4 points.
inline constexpr int32_t WinSamples = 16384;

// Each sample deals the three computer hands from the 47 unseen cards, lets every computer seat
// choose its exchange by the game's own rule, draws their replacements and then the human's, and
// settles by the game's showdown rule; nobody drops or bets. Every keep choice is judged on the
// same samples. Draws only from the coach's own random sources seeded from `seed` (the game's
// source is never touched); the result depends on `seed` alone, not on the thread timing.
// Runs on the calling thread and one more. Gives nullopt as soon as it sees `cancel` set.
std::optional<std::array<WinOdds, KeepChoiceCount>> SimulateWinOdds(const Hand& cards,
                                                                    uint32_t seed,
                                                                    const std::atomic<bool>& cancel,
                                                                    int32_t samples = WinSamples);

}  // namespace kestrins
