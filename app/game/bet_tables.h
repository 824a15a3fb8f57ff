// The computer players' betting tables: call limits and raise sizes by hand, and their dice.
#pragma once

#include <array>
#include <cstdint>

#include "game/constants.h"

namespace kestrins {

struct BetTableRow {
    int32_t BaseLimit;   // the call limit starts here
    int32_t RaiseExtra;  // 0: raise in small steps
};

// Indexed by Part.
inline constexpr std::array<BetTableRow, PartRoyalFlush + 1> HandTable = {{
    {0, 0},
    {5, 0},
    {10, 0},
    {15, 0},
    {20, 0},
    {25, 0},
    {30, 10},
    {40, 10},
    {60, 15},
    {70, 15},
    {80, 20},
}};
// A bluffing seat with no hand or one pair bets almost as with a flush.
inline constexpr std::array<BetTableRow, PartOnePair + 1> BluffTable = {{{25, 10}, {30, 10}}};

// A small raise is 1 to RaiseStepSides steps of RaiseStep(Pattern); a large one adds RaiseExtra,
// one step and 1 to RaiseExtraSides.
inline constexpr int32_t RaiseStepSides = 3;
inline constexpr int32_t RaiseExtraSides = 5;

}  // namespace kestrins
