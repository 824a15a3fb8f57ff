// A computer seat's betting turn: drop, call or raise, from its hand, temperament and bluff.
#pragma once

#include <cstdint>

#include "game/cpu_player.h"
#include "game/mdl_main.h"
#include "game/random_source.h"
#include "game/table_view.h"

namespace kestrins {

// One turn of computer seat 1..3 that has not dropped; `callAmount` is the highest bet so far.
// Sets the seat's Bet on a call or raise (never above BetCap), Dropped on a drop, and may change
// its Bluffing and BluffRolls; writes nothing into RaiseHistory. Random draws, in order: the bluff
// roll (first two turns of a game, hands PartNone and PartOnePair only), the call limit (not after
// a drop), the raise size (only when raising). Then pauses, announces and redraws through `view`.
// Returns true only for a raise, also one that the cap leaves at the call amount.
bool DecideBet(MdlMain& state, MdlCPUPlayer& cpu, int32_t seat, int32_t callAmount,
               RandomSource& random, TableView& view);

// The deciding half of DecideBet: the same rule, draws and changes to the state, returned as
// BetRaise, BetCall or BetDrop, with nothing shown and no pause. The coach plays its unseen
// turns with it.
int32_t DecideBetAction(MdlMain& state, MdlCPUPlayer& cpu, int32_t seat, int32_t callAmount,
                        RandomSource& random);

}  // namespace kestrins
