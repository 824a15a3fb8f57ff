// Which cards a computer seat throws away, and when it draws random numbers for that.
#include "game/choose_exchange.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "card_text.h"
#include "support/scripted_random.h"

namespace kestrins::testing {
namespace {

struct ExchangeChoice {
    const char* name;
    const char* hand;  // as it lies on the table, sorted by suit
    std::vector<float> draws;
    const char* marked;  // one character per card: x marked, . kept
};

class ChooseExchangeTest : public ::testing::TestWithParam<ExchangeChoice> {};

TEST_P(ChooseExchangeTest, MarksTheCardsToThrowAway) {
    const ExchangeChoice& c = GetParam();
    MdlMain state;
    state.Players[2].Cards = HandOf(c.hand);
    state.Players[2].Bet = 1;
    const Player before = state.Players[2];
    ScriptedRandom random(c.draws);
    ChooseExchange(state, 2, random);
    EXPECT_EQ(random.Left(), 0u) << "fewer draws taken than scripted";

    std::string marked;
    Player unmarked = state.Players[2];
    for (Card& card : unmarked.Cards) {
        marked += card.Selected ? 'x' : '.';
        card.Selected = false;
    }
    EXPECT_EQ(marked, c.marked);
    EXPECT_EQ(unmarked, before) << "only marks may change";
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Hands, ChooseExchangeTest, ::testing::Values(
    ExchangeChoice{"ThreeOfASuitKeepsTheSuit", "2S 5S 9S JH KD", {}, "...xx"},
    // Clubs are the last suit the counts run over.
    ExchangeChoice{"FourClubsKeepTheSuit", "5H 3C 7C 9C QC", {}, "x...."},
    // A draw of exactly 0.5 keeps its card.
    ExchangeChoice{"ScatteredHandDrawsPerCard", "2S KS 5H 9D JC",
                   {0.6f, 0.5f, 0.0f, 0.99f, 0.51f}, "x..xx"},
    ExchangeChoice{"PairGivenUpForAFourFlush", "2S 5S 9S KS 5H", {}, "....x"},
    // Aces and kings are the ends of the number range the counts run over.
    ExchangeChoice{"PairOfAcesStays", "AS QS AH 3D 8C", {}, ".x.xx"},
    ExchangeChoice{"PairOfKingsStays", "KS 3H 8D KD QC", {}, ".xx.x"},
    ExchangeChoice{"PairWithThreeOfASuitKeepsThePair", "5S 9S KS 5H 2D", {}, ".xx.x"},
    ExchangeChoice{"TwoPairsThrowAnOddKing", "AS 2S AH 2D KC", {}, "....x"},
    ExchangeChoice{"ThreeAcesKeepTheThree", "AS 9S AH AD 4C", {}, ".x..x"},
    ExchangeChoice{"ThreeKingsKeepTheThree", "KS 9H KH KD 4C", {}, ".x..x"},
    ExchangeChoice{"StraightStandsPat", "4S 7S 5H 6D 8C", {}, "....."},
    ExchangeChoice{"FullHouseStandsPat", "9S QS 9H QD 9C", {}, "....."},
    ExchangeChoice{"FourOfAKindStandsPat", "8S 8H 8D 8C KC", {}, "....."}),
    [](const ::testing::TestParamInfo<ExchangeChoice>& testCase) { return testCase.param.name; });
// clang-format on

}  // namespace
}  // namespace kestrins::testing
