// Sorting a hand by suit (the table) and by number (the valuation).
#include "game/sort_cards.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "card_text.h"

namespace kestrins::testing {
namespace {

struct SortCase {
    const char* input;
    SortKey key;
    const char* sorted;
};

class SortCardsTest : public ::testing::TestWithParam<SortCase> {};

TEST_P(SortCardsTest, GivesAscendingOrderForTheKey) {
    Player player;
    player.Cards = HandOf(GetParam().input);
    SortCards(player, GetParam().key);
    EXPECT_EQ(TextOf(player.Cards), GetParam().sorted);
}

INSTANTIATE_TEST_SUITE_P(
    Hands, SortCardsTest,
    ::testing::Values(
        // Equal numbers go by suit, equal suits by number; the ace sorts low.
        SortCase{"5S 5H 5C 2D AS", SortKey::Number, "AS 2D 5S 5H 5C"},
        SortCase{"5S 5H 5C 2D AS", SortKey::Suit, "AS 5S 5H 2D 5C"},
        // Fully reversed input needs all four passes; a pass short leaves a card out of place.
        SortCase{"KC QD JH 10S 9S", SortKey::Number, "9S 10S JH QD KC"},
        SortCase{"KC QD JH 10S 9S", SortKey::Suit, "9S 10S JH QD KC"}),
    [](const ::testing::TestParamInfo<SortCase>& testCase) {
        std::string name = testCase.param.input;  // "AS 2D" is named AS_2D
        std::replace(name.begin(), name.end(), ' ', '_');
        return name + (testCase.param.key == SortKey::Number ? "_ByNumber" : "_BySuit");
    });

}  // namespace
}  // namespace kestrins::testing
