// A computer seat's choice of the cards to throw away before the betting.
#pragma once

#include <cstdint>

#include "game/mdl_main.h"
#include "game/random_source.h"

namespace kestrins {

// Marks (Selected) the cards of computer seat 1..3 to exchange, by the hand's category and its
// number and suit counts; never clears a mark, changes nothing else. Draws only for a hand with
// no pair and no three of a suit: one draw per card in hand order, a draw above 0.5 marks it.
void ChooseExchange(MdlMain& state, int32_t seat, RandomSource& random);

}  // namespace kestrins
