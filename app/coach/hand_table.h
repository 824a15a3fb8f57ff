// Every five-card hand valued once, looked up by the hand's combination number.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "game/records.h"

namespace kestrins {

// Card ids 0..51 in ascending order.
using SortedIds = std::array<int32_t, 5>;

// C(n, k) for n < 52, k <= 5.
int32_t Choose(int32_t n, int32_t k);

// The colex number of a five-card set: sum of C(ids[i], i + 1); 0 .. 2,598,959.
int32_t CombinationIndex(const SortedIds& ids);

class HandTable {
public:
    static constexpr int32_t Size = 2598960;

    // Built by the first caller, shared afterwards; thread-safe.
    static const HandTable& Shared();
    // A fresh table: EvaluatePart on every hand.
    static HandTable Build();

    // Part * 64 + Value: compares as the showdown does (category, then value).
    uint16_t Strength(int32_t index) const { return strengths_[static_cast<std::size_t>(index)]; }
    const uint16_t* Data() const { return strengths_.data(); }

    static int32_t PartOf(uint16_t strength) { return strength >> 6; }
    static PartResult ResultOf(uint16_t strength);

private:
    HandTable();
    std::vector<uint16_t> strengths_;
};

}  // namespace kestrins
