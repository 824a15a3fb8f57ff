// The deck of one game: building and shuffling it, the deal, and the exchange of marked cards.
#pragma once

#include <cstdint>

#include "game/mdl_main.h"
#include "game/random_source.h"
#include "game/table_view.h"

namespace kestrins {

// Builds the ordered deck, shuffles it with exactly 500 swaps (two draws each) and deals five
// cards to every seat from the top, seat 0 first; afterwards DeckTop is 31. Touches nothing else
// of the seats.
void ShuffleAndDeal(MdlMain& state, RandomSource& random);

// Exchanges Deck[a] and Deck[b]; equal indices change nothing.
void SwapDeckCards(MdlMain& state, int32_t a, int32_t b);

// ShuffleAndDeal, then shows the 20 cards one by one with `pauseMs` after each, blanks the table,
// sorts every hand by suit and draws the table (steps in TableView).
void DealCards(MdlMain& state, RandomSource& random, TableView& view, int32_t pauseMs);

// Replaces the marked cards of Players[seat] from the top of the deck, in hand order, then sorts
// the hand and sets Bet to 1 (the opening bet); shows every step, also when nothing is marked.
void ExchangeCards(MdlMain& state, int32_t seat, TableView& view);

}  // namespace kestrins
