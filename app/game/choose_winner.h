// The showdown's rule: the best hand among the seats still in wins, an equal best is a draw.
#pragma once

#include <array>
#include <cstdint>

#include "game/mdl_main.h"
#include "game/records.h"

namespace kestrins {

// The best hand among the seats that have not dropped, by Part and then Value; a tie for the
// best hand is a draw (WinnerDraw). At least one seat must not have dropped.
int32_t ChooseWinner(const MdlMain& state, const std::array<PartResult, 4>& handValues);

}  // namespace kestrins
