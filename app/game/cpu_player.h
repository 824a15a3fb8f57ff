// The computer players' own per-game state: who bluffs, and how many bluff rolls each has had.
#pragma once

#include <array>
#include <cstdint>

#include "game/constants.h"

namespace kestrins {

// Indexed by seat 1..3; element 0 (the human's seat) is never used. Every deal starts a game
// with a fresh MdlCPUPlayer{}: nobody bluffing, no rolls.
struct MdlCPUPlayer {
    // Once set, a seat bluffs until the next deal.
    std::array<bool, SeatCount> Bluffing{};
    // Turns counted toward the bluff roll: 0, 1, 2, and no further.
    std::array<int32_t, SeatCount> BluffRolls{};
};

}  // namespace kestrins
