// Ordering a hand: by suit for the table, by number for the valuation.
#pragma once

#include "game/records.h"

namespace kestrins {

// A seat's five cards.
using Hand = decltype(Player::Cards);

enum class SortKey {
    Suit,    // suit first, then number: how hands lie on the table
    Number,  // number first (ace low), then suit: the first step of valuing a hand
};

// Ascending order by a bubble sort with four fixed passes; swaps whole cards, marks included.
void SortCards(Hand& cards, SortKey key);
void SortCards(Player& player, SortKey key);

}  // namespace kestrins
