// The table of all 2,598,960 hands, filled in colex order so each index follows the last.
#include "coach/hand_table.h"

#include <cassert>

#include "game/evaluate_part.h"

namespace kestrins {

namespace {

struct ChooseTable {
    std::array<std::array<int32_t, 6>, 52> Values{};
    constexpr ChooseTable() {
        for (int32_t n = 0; n < 52; ++n) {
            Values[n][0] = 1;
            for (int32_t k = 1; k <= 5; ++k) {
                Values[n][k] = n == 0 ? 0 : Values[n - 1][k - 1] + Values[n - 1][k];
            }
        }
    }
};

constexpr ChooseTable Binomials;

Card CardOf(int32_t id) {
    return Card{id / 13, id % 13 + 1, false};
}

// Value fits in six bits: no category's tie-break reaches 64 (the largest is a sum of 60).
constexpr int32_t ValueBits = 6;

}  // namespace

int32_t Choose(int32_t n, int32_t k) {
    return Binomials.Values[static_cast<std::size_t>(n)][static_cast<std::size_t>(k)];
}

int32_t CombinationIndex(const SortedIds& ids) {
    int32_t index = 0;
    for (int32_t i = 0; i < 5; ++i) {
        index += Choose(ids[static_cast<std::size_t>(i)], i + 1);
    }
    return index;
}

const HandTable& HandTable::Shared() {
    static const HandTable table = Build();
    return table;
}

PartResult HandTable::ResultOf(uint16_t strength) {
    return PartResult{strength >> ValueBits, strength & ((1 << ValueBits) - 1), 0};
}

HandTable HandTable::Build() {
    return HandTable();
}

HandTable::HandTable() : strengths_(static_cast<std::size_t>(Size)) {
    // Colex order: the highest card changes slowest, so the index simply counts up.
    std::size_t next = 0;
    Hand hand{};
    for (int32_t e = 4; e < 52; ++e) {
        hand[4] = CardOf(e);
        for (int32_t d = 3; d < e; ++d) {
            hand[3] = CardOf(d);
            for (int32_t c = 2; c < d; ++c) {
                hand[2] = CardOf(c);
                for (int32_t b = 1; b < c; ++b) {
                    hand[1] = CardOf(b);
                    for (int32_t a = 0; a < b; ++a) {
                        hand[0] = CardOf(a);
                        const PartResult result = EvaluatePart(hand);
                        assert(result.Value >= 0 && result.Value < (1 << ValueBits));
                        strengths_[next++] =
                            static_cast<uint16_t>((result.Part << ValueBits) | result.Value);
                    }
                }
            }
        }
    }
    assert(next == strengths_.size());
}

}  // namespace kestrins
