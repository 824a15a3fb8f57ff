// A computer seat's bet: bluff rolls, call limit, raise sizes, the drop rule and the cap.
#include "game/decide_bet.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "card_text.h"
#include "game/constants.h"
#include "recording_view.h"
#include "support/scripted_random.h"

namespace kestrins::testing {
namespace {

constexpr const char* NoHand = "2S 5H 9D JC KS";
constexpr const char* Pair = "5S 5H 9D JC KS";
constexpr const char* TwoPair = "5S 5H 9D 9C KS";
constexpr const char* Three = "5S 5H 5D JC KS";
constexpr const char* Flush = "2H 5H 9H JH KH";
constexpr const char* Royal = "AS 10S JS QS KS";

// A draw that gives floor(sides * r) == value.
float Draw(int value, int sides) {
    return (static_cast<float>(value) + 0.5f) / sides;
}

// Fields left out take the values of a plain turn: seat 2, no hand, cautious, not bluffing, both
// bluff rolls made, bet 1, nothing raised yet, a call of 1.
struct BetCase {
    const char* name;
    int32_t seat = 2;
    const char* hand = NoHand;
    int32_t pattern = 0;
    bool bluffing = false;  // before the turn
    int32_t bluffRolls = 2;
    int32_t ownBet = 1;
    int32_t belowBet = 1;               // Bet of the seat numbered one lower
    std::vector<int32_t> history = {};  // the written entries of RaiseHistory
    int32_t unwritten = 0;              // the one element past RaiseCount
    int32_t raiseCount = -1;            // RaiseCount, when not the history's length
    int32_t callAmount = 1;
    std::vector<float> draws = {};  // all of them must be taken, and no more
    int32_t action = BetCall;       // BetRaise, BetCall or BetDrop
    int32_t bet = 1;                // the seat's Bet afterwards
    bool bluffingAfter = false;
    int32_t rollsAfter = 2;
};

class DecideBetTest : public ::testing::TestWithParam<BetCase> {};

std::string CaseName(const ::testing::TestParamInfo<BetCase>& testCase) {
    return testCase.param.name;
}

TEST_P(DecideBetTest, DecidesByTheRule) {
    const BetCase& c = GetParam();
    MdlMain state;
    MdlCPUPlayer cpu;
    const auto seat = static_cast<std::size_t>(c.seat);
    state.Players[seat].Name = "Tobi";
    state.Players[seat].Cards = HandOf(c.hand);
    state.Players[seat].Pattern = c.pattern;
    state.Players[seat].Bet = c.ownBet;
    state.Players[seat - 1].Bet = c.belowBet;
    state.RaiseHistory = c.history;
    state.RaiseHistory.push_back(c.unwritten);
    state.RaiseCount = c.raiseCount >= 0 ? c.raiseCount : static_cast<int32_t>(c.history.size());
    cpu.Bluffing[seat] = c.bluffing;
    cpu.BluffRolls[seat] = c.bluffRolls;
    ScriptedRandom random(c.draws);
    RecordingView view(state);

    const bool raised = DecideBet(state, cpu, c.seat, c.callAmount, random, view);

    EXPECT_EQ(random.Left(), 0u) << "fewer draws taken than scripted";
    EXPECT_EQ(raised, c.action == BetRaise);
    EXPECT_EQ(state.Players[seat].Bet, c.bet);
    EXPECT_EQ(state.Players[seat].Dropped, c.action == BetDrop);
    EXPECT_EQ(cpu.Bluffing[seat], c.bluffingAfter);
    EXPECT_EQ(cpu.BluffRolls[seat], c.rollsAfter);
    const std::string words[] = {"", "レイズ", "コール", "ドロップ"};
    const std::vector<std::string> steps = {
        "sleep 1000", "message Tobi は" + words[c.action] + "します", "table"};
    EXPECT_EQ(view.Steps, steps);
}

// clang-format off
// A first turn whose bluff roll comes out as `roll`; 99 to call is at or above every call limit
// here, so the turn calls.
BetCase FirstRoll(const char* name, const char* hand, int32_t pattern, int roll, bool bluffs) {
    return {.name = name, .hand = hand, .pattern = pattern, .bluffRolls = 0, .callAmount = 99,
            .draws = {Draw(roll, 6), Draw(10, 11)}, .bet = 99, .bluffingAfter = bluffs,
            .rollsAfter = 1};
}

INSTANTIATE_TEST_SUITE_P(BluffRolls, DecideBetTest, ::testing::Values(
    FirstRoll("NoHandCautiousBluffsOnFive", NoHand, 0, 5, true),
    FirstRoll("NoHandNormalNotOnFour", NoHand, 1, 4, false),
    FirstRoll("NoHandBoldBluffsOnFour", NoHand, 2, 4, true),
    FirstRoll("NoHandRecklessNotOnThree", NoHand, 3, 3, false),
    FirstRoll("PairNormalBluffsOnFour", Pair, 1, 4, true),
    FirstRoll("PairCautiousNotOnThree", Pair, 0, 3, false),
    FirstRoll("PairRecklessBluffsOnThree", Pair, 3, 3, true),
    FirstRoll("PairBoldNotOnTwo", Pair, 2, 2, false),
    BetCase{.name = "SecondTurnStillRolls", .bluffRolls = 1, .callAmount = 99,
            .draws = {Draw(5, 6), Draw(10, 11)}, .bet = 99, .bluffingAfter = true},
    BetCase{.name = "ThirdTurnDoesNotRoll", .pattern = 3, .callAmount = 99,
            .draws = {Draw(10, 11)}, .bet = 99},
    BetCase{.name = "ARollNeverClearsTheFlag", .bluffing = true, .bluffRolls = 1,
            .callAmount = 99, .draws = {Draw(0, 6), Draw(10, 11)}, .bet = 99,
            .bluffingAfter = true},
    BetCase{.name = "TwoPairCountsTheTurnWithoutDrawing", .hand = TwoPair, .pattern = 3,
            .bluffRolls = 0, .callAmount = 99, .draws = {Draw(10, 11)}, .bet = 99,
            .rollsAfter = 1}),
    CaseName);

// Call limit and raise sizes.
INSTANTIATE_TEST_SUITE_P(CallOrRaise, DecideBetTest, ::testing::Values(
    BetCase{.name = "CautiousCallsAtItsLimit", .seat = 1, .draws = {Draw(1, 11)}},
    BetCase{.name = "CautiousRaisesOneBelowItsLimit", .seat = 1,
            .draws = {Draw(2, 11), Draw(0, 3)}, .action = BetRaise, .bet = 2},
    BetCase{.name = "NormalRaisesInStepsOfTwo", .seat = 1, .pattern = 1,
            .draws = {Draw(1, 11), Draw(2, 3)}, .action = BetRaise, .bet = 7},
    BetCase{.name = "ThreeCardCallsAtBasePlusSteps", .seat = 3, .hand = Three, .pattern = 1,
            .callAmount = 21, .draws = {Draw(3, 11)}, .bet = 21},
    BetCase{.name = "ThreeCardRaisesJustBelow", .seat = 3, .hand = Three, .pattern = 1,
            .callAmount = 20, .draws = {Draw(3, 11), Draw(0, 3)}, .action = BetRaise, .bet = 22},
    BetCase{.name = "RecklessRoyalLargestRaise", .seat = 3, .hand = Royal, .pattern = 3,
            .callAmount = 10, .draws = {Draw(0, 11), Draw(4, 5)}, .action = BetRaise, .bet = 39},
    BetCase{.name = "FlushRaisesByItsExtraBelowThirty", .hand = Flush, .callAmount = 29,
            .draws = {Draw(0, 11), Draw(0, 5)}, .action = BetRaise, .bet = 41},
    BetCase{.name = "BluffingNoHandRaisesLikeAFlush", .bluffing = true, .callAmount = 24,
            .draws = {Draw(0, 11), Draw(0, 5)}, .action = BetRaise, .bet = 36,
            .bluffingAfter = true},
    BetCase{.name = "BluffingNoHandCallsAtTwentyFive", .bluffing = true, .callAmount = 25,
            .draws = {Draw(0, 11)}, .bet = 25, .bluffingAfter = true},
    BetCase{.name = "BluffingPairRaisesBelowThirty", .hand = Pair, .pattern = 1,
            .bluffing = true, .callAmount = 29, .draws = {Draw(0, 11), Draw(4, 5)},
            .action = BetRaise, .bet = 46, .bluffingAfter = true},
    BetCase{.name = "BluffingPairCallsAtThirty", .hand = Pair, .pattern = 1, .bluffing = true,
            .callAmount = 30, .draws = {Draw(0, 11)}, .bet = 30, .bluffingAfter = true}),
    CaseName);

// No bet goes above 99; a raise that the cap swallows still counts as a raise.
INSTANTIATE_TEST_SUITE_P(Cap, DecideBetTest, ::testing::Values(
    BetCase{.name = "RaiseToNinetyNineStays", .hand = Royal, .pattern = 3, .callAmount = 74,
            .draws = {Draw(0, 11), Draw(0, 5)}, .action = BetRaise, .bet = 99},
    BetCase{.name = "RaiseToAHundredIsCut", .hand = Royal, .pattern = 3, .callAmount = 75,
            .draws = {Draw(0, 11), Draw(0, 5)}, .action = BetRaise, .bet = 99},
    BetCase{.name = "RaiseAtNinetyNineStillRaises", .hand = Royal, .pattern = 3,
            .callAmount = 99, .draws = {Draw(10, 11), Draw(4, 5)}, .action = BetRaise, .bet = 99}),
    CaseName);

// The drop rule over the raise history.
INSTANTIATE_TEST_SUITE_P(Drop, DecideBetTest, ::testing::Values(
    // The best hand below a flush still drops.
    BetCase{.name = "RoyalStraightDrops", .hand = "AS 10H JS QS KS", .history = {16},
            .callAmount = 17, .action = BetDrop},
    BetCase{.name = "FourteenStillDrops", .hand = Three, .ownBet = 14, .history = {16},
            .callAmount = 30, .action = BetDrop, .bet = 14},
    BetCase{.name = "FifteenStaysIn", .hand = Three, .ownBet = 15, .history = {16},
            .callAmount = 31, .draws = {Draw(0, 11)}, .bet = 31},
    BetCase{.name = "RaisesOfFifteenNeverDrop", .history = {15, 15, 0, -3}, .callAmount = 31,
            .draws = {Draw(0, 11)}, .bet = 31},
    BetCase{.name = "ALaterLargeRaiseCounts", .hand = Pair, .history = {3, 16, 0},
            .callAmount = 20, .action = BetDrop},
    BetCase{.name = "TheUnwrittenElementIsIgnored", .hand = Three, .history = {5},
            .unwritten = 40, .callAmount = 15, .draws = {Draw(0, 11)}, .bet = 15},
    BetCase{.name = "FlushNeverDrops", .hand = Flush, .history = {50}, .callAmount = 51,
            .draws = {Draw(10, 11)}, .bet = 51},
    // A bluffer drops when the seat below has bet more than 60 + 2 x Pattern.
    BetCase{.name = "BoldBlufferDropsAboveSixtyFour", .hand = Pair, .pattern = 2,
            .bluffing = true, .belowBet = 65, .history = {40}, .callAmount = 65,
            .action = BetDrop, .bluffingAfter = true},
    BetCase{.name = "BoldBlufferStaysAtSixtyFour", .hand = Pair, .pattern = 2, .bluffing = true,
            .belowBet = 64, .history = {40}, .callAmount = 64, .draws = {Draw(0, 11)},
            .bet = 64, .bluffingAfter = true},
    BetCase{.name = "ABluffRolledThisTurnKeepsTheSeatIn", .seat = 3, .bluffRolls = 0,
            .belowBet = 10, .history = {20}, .callAmount = 21,
            .draws = {Draw(5, 6), Draw(0, 11), Draw(0, 5)}, .action = BetRaise, .bet = 33,
            .bluffingAfter = true, .rollsAfter = 1},
    BetCase{.name = "ADropAfterAFailedRollDrawsNoMore", .seat = 3, .bluffRolls = 0,
            .belowBet = 10, .history = {20}, .callAmount = 21, .draws = {Draw(0, 6)},
            .action = BetDrop, .rollsAfter = 1},
    // A count that runs past the array (a fault elsewhere) must not read beyond it.
    BetCase{.name = "ReadsNoFurtherThanTheHistoryHolds", .hand = Three, .history = {2},
            .raiseCount = 5, .callAmount = 15, .draws = {Draw(0, 11)}, .bet = 15}),
    CaseName);
// clang-format on

}  // namespace
}  // namespace kestrins::testing
