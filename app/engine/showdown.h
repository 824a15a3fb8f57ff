// Who wins the showdown, and how the bets are settled.
#pragma once

#include <array>
#include <cstdint>

#include "game/mdl_main.h"
#include "game/records.h"

namespace kestrins {

// The best hand among the seats that have not dropped, by Part and then Value; a tie for the
// best hand is a draw (WinnerDraw). At least one seat must not have dropped.
int32_t ChooseWinner(const MdlMain& state, const std::array<PartResult, 4>& handValues);

// Every seat pays its Bet and the winner takes all four; a draw gives every bet back.
// Money saturates at the 32-bit limits instead of wrapping.
void SettleBets(MdlMain& state, int32_t winner);

}  // namespace kestrins
