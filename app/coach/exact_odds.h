// The exact chance of each final category for every keep choice, over every possible draw.
#pragma once

#include <array>
#include <cstdint>

#include "coach/keep_choice.h"
#include "game/sort_cards.h"

namespace kestrins {

struct PartOdds {
    // How many of the equally likely draws end in each category.
    std::array<int64_t, PartCount> Count{};
    // Every draw of the thrown cards' replacements from the 47 unseen cards: C(47, thrown).
    int64_t Draws = 0;

    // Count[part] / Draws, in [0, 1].
    double Chance(int32_t part) const;
};

// The 47 cards not in `cards` are the unseen ones; marks are ignored. The first call builds the
// shared hand table (a fraction of a second); later calls only read it.
PartOdds CountFinalParts(const Hand& cards, KeepMask keep);
// Every keep choice, indexed by KeepMask.
std::array<PartOdds, KeepChoiceCount> CountFinalParts(const Hand& cards);

}  // namespace kestrins
