// Everything the coach tells about one hand: its category now, and every keep choice's odds.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <optional>

#include "coach/exact_odds.h"
#include "coach/keep_choice.h"
#include "coach/keep_ranking.h"
#include "coach/win_odds.h"
#include "game/sort_cards.h"

namespace kestrins {

struct CoachAdvice {
    int32_t CurrentPart = 0;                          // the hand as it is, PartNone..
    std::array<PartOdds, KeepChoiceCount> Parts{};    // indexed by KeepMask
    std::array<WinOdds, KeepChoiceCount> Wins{};      // indexed by KeepMask
    std::array<KeepMask, KeepChoiceCount> Ranking{};  // best first
};

// The exact counts and the simulation for `cards` (marks ignored); nullopt once `cancel` is seen.
// Meant for a worker thread: takes tens of milliseconds, more on the very first call.
std::optional<CoachAdvice> Advise(const Hand& cards, uint32_t seed,
                                  const std::atomic<bool>& cancel);

}  // namespace kestrins
