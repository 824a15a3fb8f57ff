// Building, shuffling and dealing the deck, and exchanging marked cards.
#include "game/deck.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "card_text.h"
#include "game/constants.h"
#include "recording_view.h"
#include "support/scripted_random.h"

namespace kestrins::testing {
namespace {

std::array<Card, DeckSize> OrderedDeck() {
    std::array<Card, DeckSize> deck;
    for (int i = 0; i < DeckSize; ++i) {
        deck[static_cast<std::size_t>(i)] = Card{i / 13, i % 13 + 1, false};
    }
    return deck;
}

// Exactly 500 swaps of two draws each, index floor(52r), applied in order to the ordered deck;
// the 498 swaps (0, 0) must change nothing. Then each card shows in dealing order, from the top
// and seat 0 first, before the table blanks and the sorted hands are drawn; a pause other than
// the usual 200 tells the scaled pauses from the fixed one. The deal touches nothing of the seats
// but their cards.
TEST(DealCards, ShufflesWithAThousandDrawsThenShowsEachCardFromTheTopAndDrawsSortedHands) {
    MdlMain state;
    const Player west{.Name = "West", .Money = 123, .Bet = 7, .Dropped = true, .Pattern = 2};
    state.Players[2] = west;
    ScriptedRandom random = {0.0f, 51.5f / 52, 50.5f / 52, 13.5f / 52};
    random.Push(0.0f, 996);
    RecordingView view(state);
    DealCards(state, random, view, 150);
    EXPECT_EQ(random.Left(), 0u);
    auto deck = OrderedDeck();
    std::swap(deck[0], deck[51]);
    std::swap(deck[50], deck[13]);
    EXPECT_EQ(state.Deck, deck);
    EXPECT_EQ(state.DeckTop, 31);

    std::vector<std::string> expected = {"clear"};
    for (int slot = 0; slot < 5; ++slot) {
        for (int seat = 0; seat < 4; ++seat) {
            // The card is drawn as dealt, before any sorting.
            const Card& dealt = deck[static_cast<std::size_t>(51 - (slot * 4 + seat))];
            expected.push_back("deal " + std::to_string(seat) + " " + std::to_string(slot) + " " +
                               TextOf(dealt));
            expected.push_back("sleep 150");
            expected.push_back("refresh");
        }
    }
    for (const char* step : {"sleep 300", "clear", "refresh", "sleep 200", "table"}) {
        expected.push_back(step);
    }
    ASSERT_EQ(view.Steps, expected);
    EXPECT_EQ(view.Tables[0][0], "AS 10D AC 5C 9C");
    state.Players[2].Cards = {};
    EXPECT_EQ(state.Players[2], west);
}

// Seat 2 holds 2S 7S 9H 3C KC in every case.
struct ExchangeCase {
    const char* name;
    const char* marks;      // one character per card: x marked, . kept
    const char* emptied;    // the hand with the marked places empty
    const char* afterTake;  // the hand with the new cards in the old places
    const char* sorted;
    int32_t deckTop;
};

class ExchangeCardsTest : public ::testing::TestWithParam<ExchangeCase> {};

TEST_P(ExchangeCardsTest, ReplacesMarkedCardsFromTheTopInHandOrder) {
    const ExchangeCase& c = GetParam();
    // A dealt deck in building order: DeckTop 31, Deck[31] is 6D, Deck[30] 5D, ...
    MdlMain state;
    state.Deck = OrderedDeck();
    state.DeckTop = 31;
    const auto othersBefore = state.Players;
    Player& seat = state.Players[2];
    seat.Cards = HandOf("2S 7S 9H 3C KC");
    for (std::size_t slot = 0; slot < seat.Cards.size(); ++slot) {
        seat.Cards[slot].Selected = c.marks[slot] == 'x';
    }
    RecordingView view(state);
    ExchangeCards(state, 2, view);

    const std::vector<std::string> steps = {"table", "sleep 1000", "table", "sleep 1000",
                                            "table", "sleep 200",  "table"};
    ASSERT_EQ(view.Steps, steps);
    EXPECT_EQ(view.Tables[0][2], c.emptied);
    EXPECT_EQ(view.Tables[1][2], c.afterTake);
    EXPECT_EQ(view.Tables[2][2], "-- -- -- -- --");
    EXPECT_EQ(view.Tables[3][2], c.sorted);
    EXPECT_EQ(state.DeckTop, c.deckTop);
    EXPECT_EQ(seat.Bet, 1);
    for (std::size_t other : {0u, 1u, 3u}) {
        EXPECT_EQ(state.Players[other], othersBefore[other]);
    }
}

// The top of the dealt deck is 6D, then 5D, 4D, 3D, 2D.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Marks, ExchangeCardsTest, ::testing::Values(
    //           name    marks    emptied           afterTake         sorted            DeckTop
    ExchangeCase{"All",  "xxxxx", "-- -- -- -- --", "6D 5D 4D 3D 2D", "2D 3D 4D 5D 6D", 26},
    ExchangeCase{"None", ".....", "2S 7S 9H 3C KC", "2S 7S 9H 3C KC", "2S 7S 9H 3C KC", 31},
    ExchangeCase{"Two",  ".x.x.", "2S -- 9H -- KC", "2S 6D 9H 5D KC", "2S 9H 5D 6D KC", 29}),
    [](const ::testing::TestParamInfo<ExchangeCase>& testCase) { return testCase.param.name; });
// clang-format on

}  // namespace
}  // namespace kestrins::testing
