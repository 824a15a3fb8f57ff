// A keep choice: which of the human's five cards stay in hand through the exchange.
#pragma once

#include <cstdint>

#include "game/constants.h"
#include "game/sort_cards.h"

namespace kestrins {

// Bit i set: cards[i] is kept. 0 throws all five away, 31 stands pat.
using KeepMask = uint32_t;

inline constexpr int32_t KeepChoiceCount = 32;
// Final categories PartNone..PartRoyalFlush.
inline constexpr int32_t PartCount = PartRoyalFlush + 1;

// The cards not marked (Selected) for exchange, as a keep mask.
KeepMask KeepMaskOf(const Hand& cards);

// How many cards the choice keeps.
int32_t KeptCount(KeepMask keep);

// The card's place in the ordered deck: SuitSpade ace = 0 .. SuitClub king = 51.
int32_t CardId(const Card& card);

}  // namespace kestrins
