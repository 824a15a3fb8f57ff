// Valuing a hand: its category ("part"), the tie-break within the category and a flush's suit.
#pragma once

#include <cstdint>

#include "game/mdl_main.h"
#include "game/records.h"
#include "game/sort_cards.h"

namespace kestrins {

// Values five cards with Number 1..13; works on its own copy, so the caller's order is kept.
PartResult EvaluatePart(Hand cards);
// The hand of Players[seat]; the seat's record is not changed.
PartResult EvaluatePart(const MdlMain& state, int32_t seat);

}  // namespace kestrins
