// Ordering the keep choices by their chance to win.
#pragma once

#include <array>
#include <cstdint>

#include "coach/keep_choice.h"
#include "coach/win_odds.h"

namespace kestrins {

// All 32 masks, best first: by Win, then by Draw, then the lower mask.
std::array<KeepMask, KeepChoiceCount> RankKeeps(const std::array<WinOdds, KeepChoiceCount>& odds);

// The place of `keep` in RankKeeps: 1 for the best .. 32.
int32_t RankOf(const std::array<KeepMask, KeepChoiceCount>& ranking, KeepMask keep);

}  // namespace kestrins
