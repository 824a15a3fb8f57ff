// Sorting a hand by number, as the valuation does; the deal and the exchange pin the sort by suit.
#include "game/sort_cards.h"

#include <gtest/gtest.h>

#include "card_text.h"

namespace kestrins::testing {
namespace {

// Equal numbers go by suit (nothing else orders them, the input has them backwards); the ace is 1.
TEST(SortCards, ByNumberEqualNumbersGoBySuitAndTheAceSortsLow) {
    Hand cards = HandOf("5C 5H 5S 2D AS");
    SortCards(cards, SortKey::Number);
    EXPECT_EQ(TextOf(cards), "AS 2D 5S 5H 5C");
}

}  // namespace
}  // namespace kestrins::testing
