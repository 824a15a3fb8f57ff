// How the bets are settled after the showdown, for the game and for the coach's played-out games.
#pragma once

#include <cstdint>

#include "game/choose_winner.h"
#include "game/mdl_main.h"

namespace kestrins {

// Every seat pays its Bet and the winner takes all four; a draw gives every bet back.
// Money saturates at the 32-bit limits instead of wrapping.
void SettleBets(MdlMain& state, int32_t winner);

}  // namespace kestrins
