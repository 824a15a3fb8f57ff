// Building, shuffling and dealing the deck, and exchanging marked cards.
#include "game/deck.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "card_text.h"
#include "game/constants.h"
#include "recording_view.h"
#include "support/scripted_random.h"

namespace kestrins {
namespace {

using testing::HandOf;
using testing::RecordingView;
using testing::ScriptedRandom;
using testing::TextOf;

constexpr int ShuffleDraws = 1000;

Card OrderedCard(int index) {
    return Card{index / 13, index % 13 + 1, false};
}

// A shuffle whose every swap is (0, 0) leaves the deck in building order.
ScriptedRandom NoShuffle() {
    ScriptedRandom random;
    for (int i = 0; i < ShuffleDraws; ++i) {
        random.Push(0.0f);
    }
    return random;
}

TEST(SwapDeckCards, ExchangesTwoPlacesAndLeavesEqualIndicesAlone) {
    MdlMain state;
    for (int i = 0; i < DeckSize; ++i) {
        state.Deck[static_cast<std::size_t>(i)] = OrderedCard(i);
    }
    const auto ordered = state.Deck;
    SwapDeckCards(state, 7, 7);
    EXPECT_EQ(state.Deck, ordered);
    SwapDeckCards(state, 0, 51);
    EXPECT_EQ(state.Deck[0], ordered[51]);
    EXPECT_EQ(state.Deck[51], ordered[0]);
    EXPECT_TRUE(std::equal(state.Deck.begin() + 1, state.Deck.end() - 1, ordered.begin() + 1));
}

TEST(ShuffleAndDeal, TakesExactlyTwoDrawsPerSwapAndDealsFromTheTop) {
    MdlMain state;
    ScriptedRandom random = NoShuffle();
    ShuffleAndDeal(state, random);
    EXPECT_EQ(random.Left(), 0u);
    EXPECT_EQ(state.DeckTop, 31);
    for (int i = 0; i < DeckSize; ++i) {
        EXPECT_EQ(state.Deck[static_cast<std::size_t>(i)], OrderedCard(i)) << i;
    }
    // Seat 0 gets 51, 47, 43, ...; seat 3 gets 48, 44, ... (the top is the king of clubs).
    EXPECT_EQ(TextOf(state.Players[0].Cards), "KC 9C 5C AC 10D");
    EXPECT_EQ(TextOf(state.Players[1].Cards), "QC 8C 4C KD 9D");
    EXPECT_EQ(TextOf(state.Players[3].Cards), "10C 6C 2C JD 7D");
}

TEST(ShuffleAndDeal, PairsTheDrawsIntoSwapsInOrder) {
    MdlMain state;
    ScriptedRandom random;
    // First swap (0, 51), second (50, 13); the rest change nothing.
    for (float draw : {0.0f, 51.5f / 52, 50.5f / 52, 13.5f / 52}) {
        random.Push(draw);
    }
    for (int i = 4; i < ShuffleDraws; ++i) {
        random.Push(0.0f);
    }
    ShuffleAndDeal(state, random);
    EXPECT_EQ(TextOf(state.Deck[51]), "AS");
    EXPECT_EQ(TextOf(state.Deck[0]), "KC");
    EXPECT_EQ(TextOf(state.Deck[50]), "AH");
    EXPECT_EQ(TextOf(state.Deck[13]), "QC");
    EXPECT_EQ(TextOf(state.Players[0].Cards[0]), "AS");
    EXPECT_EQ(TextOf(state.Players[1].Cards[0]), "AH");
}

TEST(ShuffleAndDeal, SameSeedSameDeckAndHands) {
    MdlMain first;
    MdlMain second;
    MersenneRandom firstRandom(20261206);
    MersenneRandom secondRandom(20261206);
    ShuffleAndDeal(first, firstRandom);
    ShuffleAndDeal(second, secondRandom);
    EXPECT_EQ(first.Deck, second.Deck);
    EXPECT_EQ(first.Players, second.Players);

    MdlMain other;
    MersenneRandom otherRandom(20261207);
    ShuffleAndDeal(other, otherRandom);
    EXPECT_NE(first.Deck, other.Deck);
}

TEST(ShuffleAndDeal, KeepsAllFiftyTwoCardsAndDealsIndices51DownTo32) {
    MdlMain state;
    state.Players[2].Name = "West";
    state.Players[2].Money = 123;
    state.Players[2].Bet = 7;
    state.Players[2].Dropped = true;
    MersenneRandom random(99);
    ShuffleAndDeal(state, random);

    std::set<std::pair<int32_t, int32_t>> seen;
    for (const Card& card : state.Deck) {
        EXPECT_FALSE(card.Selected);
        seen.insert({card.Suit, card.Number});
    }
    EXPECT_EQ(seen.size(), 52u);
    EXPECT_EQ(state.DeckTop, 31);
    for (int k = 0; k < 20; ++k) {
        EXPECT_EQ(
            state.Players[static_cast<std::size_t>(k % 4)].Cards[static_cast<std::size_t>(k / 4)],
            state.Deck[static_cast<std::size_t>(51 - k)])
            << "card " << k;
    }
    EXPECT_EQ(state.Players[2].Name, "West");
    EXPECT_EQ(state.Players[2].Money, 123);
    EXPECT_EQ(state.Players[2].Bet, 7);
    EXPECT_TRUE(state.Players[2].Dropped);
}

TEST(DealCards, ShowsEachCardInDealingOrderThenBlanksAndDrawsSortedHands) {
    MdlMain state;
    ScriptedRandom random = NoShuffle();
    RecordingView view(state);
    DealCards(state, random, view, 200);

    std::vector<std::string> expected = {"clear"};
    for (int slot = 0; slot < 5; ++slot) {
        for (int seat = 0; seat < 4; ++seat) {
            // The card is drawn as dealt, before any sorting.
            const Card dealt = OrderedCard(51 - (slot * 4 + seat));
            expected.push_back("deal " + std::to_string(seat) + " " + std::to_string(slot) + " " +
                               TextOf(dealt));
            expected.push_back("sleep 200");
            expected.push_back("refresh");
        }
    }
    for (const char* step : {"sleep 400", "clear", "refresh", "sleep 200", "table"}) {
        expected.push_back(step);
    }
    EXPECT_EQ(view.Steps, expected);
    ASSERT_EQ(view.Tables.size(), 1u);
    EXPECT_EQ(view.Tables[0][0], "10D AC 5C 9C KC");
    EXPECT_EQ(view.Tables[0][3], "7D JD 2C 6C 10C");
    EXPECT_EQ(TextOf(state.Players[1].Cards), "9D KD 4C 8C QC");
}

TEST(DealCards, PausesScaleWithTheGivenPause) {
    MdlMain state;
    ScriptedRandom random = NoShuffle();
    RecordingView view(state);
    DealCards(state, random, view, 0);
    EXPECT_EQ(std::count(view.Steps.begin(), view.Steps.end(), "sleep 0"), 21);
    EXPECT_EQ(std::count(view.Steps.begin(), view.Steps.end(), "sleep 200"), 1);
}

// A dealt game with the deck in building order: DeckTop 31, Deck[31] is 6D, Deck[30] 5D, ...
MdlMain DealtGame() {
    MdlMain state;
    ScriptedRandom random = NoShuffle();
    ShuffleAndDeal(state, random);
    return state;
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
    MdlMain state = DealtGame();
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
    EXPECT_EQ(view.Steps, steps);
    ASSERT_EQ(view.Tables.size(), 4u);
    EXPECT_EQ(view.Tables[0][2], c.emptied);
    EXPECT_EQ(view.Tables[1][2], c.afterTake);
    EXPECT_EQ(view.Tables[2][2], "-- -- -- -- --");
    EXPECT_EQ(view.Tables[3][2], c.sorted);

    EXPECT_EQ(TextOf(seat.Cards), c.sorted);
    EXPECT_EQ(state.DeckTop, c.deckTop);
    EXPECT_EQ(seat.Bet, 1);
    for (const Card& card : seat.Cards) {
        EXPECT_FALSE(card.Selected);
    }
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
    ExchangeCase{"Two",  ".x.x.", "2S -- 9H -- KC", "2S 6D 9H 5D KC", "2S 9H 5D 6D KC", 29},
    ExchangeCase{"Last", "....x", "2S 7S 9H 3C --", "2S 7S 9H 3C 6D", "2S 7S 9H 6D 3C", 30}),
    [](const ::testing::TestParamInfo<ExchangeCase>& testCase) { return testCase.param.name; });
// clang-format on

TEST(ExchangeCards, ASecondExchangeOfTheSameSeatReplacesNothing) {
    MdlMain state = DealtGame();
    for (Card& card : state.Players[1].Cards) {
        card.Selected = true;
    }
    RecordingView view(state);
    ExchangeCards(state, 1, view);
    const Hand afterFirst = state.Players[1].Cards;
    ExchangeCards(state, 1, view);
    EXPECT_EQ(state.Players[1].Cards, afterFirst);
    EXPECT_EQ(state.DeckTop, 26);
}

TEST(ExchangeCards, FourSeatsExchangingEverythingLeaveDeckTopAtEleven) {
    MdlMain state = DealtGame();
    RecordingView view(state);
    std::set<std::pair<int32_t, int32_t>> held;
    for (int32_t seat = 0; seat < 4; ++seat) {
        for (Card& card : state.Players[static_cast<std::size_t>(seat)].Cards) {
            card.Selected = true;
        }
        ExchangeCards(state, seat, view);
        for (const Card& card : state.Players[static_cast<std::size_t>(seat)].Cards) {
            held.insert({card.Suit, card.Number});
        }
    }
    EXPECT_EQ(state.DeckTop, 11);
    EXPECT_EQ(held.size(), 20u);  // cards 31 down to 12, none dealt twice
}

}  // namespace
}  // namespace kestrins
