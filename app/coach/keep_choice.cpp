// Keep masks and card ids.
#include "coach/keep_choice.h"

#include <bit>

namespace kestrins {

KeepMask KeepMaskOf(const Hand& cards) {
    KeepMask keep = 0;
    for (int32_t i = 0; i < HandSize; ++i) {
        if (!cards[static_cast<std::size_t>(i)].Selected) {
            keep |= KeepMask{1} << i;
        }
    }
    return keep;
}

int32_t KeptCount(KeepMask keep) {
    return std::popcount(keep);
}

int32_t CardId(const Card& card) {
    return card.Suit * 13 + card.Number - 1;
}

}  // namespace kestrins
