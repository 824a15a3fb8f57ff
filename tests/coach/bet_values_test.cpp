// The bet values where the rest of the game can be worked out by hand: a royal flush that
// cannot lose, a hand that cannot win, and a human left alone once the others drop; the seen
// turns that do not follow the round; the same seed giving the same figures.
#include <gtest/gtest.h>

#include <atomic>

#include "card_text.h"
#include "coach/bet_values.h"
#include "game/constants.h"

namespace kestrins {
namespace {

using testing::HandOf;

// Enough for these cases, whose exact figures hold in every sample.
constexpr BetEffort Quick{2, 64, 128, 256, 0.45, int64_t{1} << 18};

BetSituation Situation(const char* dealt, const char* final, std::array<int32_t, 4> exchanged,
                       std::array<int32_t, 4> patterns, int32_t opener,
                       std::vector<SeenTurn> turns) {
    BetSituation situation;
    situation.Dealt = HandOf(dealt);
    situation.Final = HandOf(final);
    situation.Exchanged = exchanged;
    situation.Patterns = patterns;
    situation.Opener = opener;
    situation.CanDrop = true;
    situation.Turns = std::move(turns);
    return situation;
}

BetValues Values(const BetSituation& situation) {
    const std::atomic<bool> cancel{false};
    std::optional<BetValues> values = ValueBets(situation, 5, cancel, Quick);
    if (!values) {
        ADD_FAILURE() << "no figures";
        return {};
    }
    return *values;
}

const OptionValue& Option(const BetValues& values, int32_t action, int32_t bet) {
    const OptionValue* one = values.Find({action, bet});
    if (one == nullptr) {
        ADD_FAILURE() << "no option " << action << " to " << bet;
        static const OptionValue none;
        return none;
    }
    return *one;
}

// Seat 1 raises to 3, seats 2 and 3 call it, and the human's call ends the round. The human
// threw three aces for the king, queen and ace of spades: no other royal flush is left, so the
// human cannot lose or tie.
TEST(BetValues, RoyalFlushThatCannotLoseTakesTheOthersBets) {
    const BetValues values =
        Values(Situation("AH AD AC 10S JS", "10S JS QS KS AS", {0, 3, 3, 2}, {0, 0, 0, 0}, 1,
                         {{1, BetRaise, 3}, {2, BetCall, 3}, {3, BetCall, 3}}));
    EXPECT_EQ(values.CallAmount, 3);
    EXPECT_EQ(values.StartBet, 1);
    // Call: the round is over, the pot holds 3 $ from each computer seat.
    const OptionValue& call = Option(values, BetCall, 3);
    EXPECT_DOUBLE_EQ(call.Value, 9.0);
    EXPECT_DOUBLE_EQ(call.Error, 0.0);
    EXPECT_DOUBLE_EQ(call.Win, 1.0);
    // A raise of up to 15 makes nobody drop before seat 1 has answered: seat 1 puts in at least
    // the raised bet, seats 2 and 3 keep at least their 3 $.
    for (int32_t bet = 4; bet <= 18; ++bet) {
        SCOPED_TRACE(bet);
        EXPECT_GE(Option(values, BetRaise, bet).Value, bet + 6.0);
        EXPECT_DOUBLE_EQ(Option(values, BetRaise, bet).Win, 1.0);
    }
    EXPECT_GE(Option(values, BetRaise, 99).Value, 9.0);
    // A drop loses the 1 $ stake, unless two computer seats tie and every bet comes back.
    const OptionValue& drop = Option(values, BetDrop, 1);
    EXPECT_LE(drop.Value, 0.0);
    EXPECT_GE(drop.Value, -1.0);
    EXPECT_DOUBLE_EQ(drop.Win, 0.0);
    EXPECT_EQ(values.Options.size(), 1u + (99 - 3) + 1u);
    EXPECT_NE(values.Options[values.Best()].Option.Action, BetDrop);
}

// The human raised to 72; seat 1 (reckless) raised that to 88, which only a full house or
// better does at 72 (a bluff's limit stops at 70); seats 2 and 3 dropped. The human's no-hand
// cannot win.
TEST(BetValues, HandThatCannotWinLosesItsBetAndDropIsBest) {
    const BetValues values =
        Values(Situation("2S 5H 8D 10C KS", "2S 5H 8D 10C KS", {0, 1, 3, 3}, {0, 3, 0, 0}, 0,
                         {{0, BetRaise, 72}, {1, BetRaise, 88}, {2, BetDrop, 1}, {3, BetDrop, 1}}));
    const OptionValue& call = Option(values, BetCall, 88);
    EXPECT_DOUBLE_EQ(call.Value, -88.0);
    EXPECT_DOUBLE_EQ(call.Error, 0.0);
    // Seat 1 is alone against the drop and takes the pot: the human loses what it had bet.
    const OptionValue& drop = Option(values, BetDrop, 72);
    EXPECT_DOUBLE_EQ(drop.Value, -72.0);
    EXPECT_DOUBLE_EQ(drop.Error, 0.0);
    for (int32_t bet = 89; bet <= 99; ++bet) {
        SCOPED_TRACE(bet);
        EXPECT_LE(Option(values, BetRaise, bet).Value, -bet);
        EXPECT_GE(Option(values, BetRaise, bet).Value, -99.0);
    }
    for (const OptionValue& one : values.Options) {
        EXPECT_DOUBLE_EQ(one.Win, 0.0);
    }
    EXPECT_EQ(values.Options[values.Best()].Option, (BetOption{BetDrop, 72}));
}

// Every computer seat called the opening 1 $, which only a no-hand that is not bluffing does;
// the human raised to 17, seat 1 raised back to 30, which at a bet of 1 $ against a raise of 16
// only a bluffer does, and seats 2 and 3 dropped. A bluffer drops once the human's bet passes
// 60 (cautious seat); below that it calls anything above its limit of 25 to 35.
TEST(BetValues, HumanLeftAloneByTheDropsTakesThePotExactly) {
    const BetValues values =
        Values(Situation("4S 4H 9D JC KS", "4S 4H 2D 7C QS", {3, 3, 2, 4}, {0, 0, 0, 0}, 1,
                         {{1, BetCall, 1},
                          {2, BetCall, 1},
                          {3, BetCall, 1},
                          {0, BetRaise, 17},
                          {1, BetRaise, 30},
                          {2, BetDrop, 1},
                          {3, BetDrop, 1}}));
    EXPECT_EQ(values.CallAmount, 30);
    EXPECT_EQ(values.StartBet, 17);
    // A call ends the round; the pair of fours beats seat 1's no-hand.
    EXPECT_DOUBLE_EQ(Option(values, BetCall, 30).Value, 32.0);
    EXPECT_DOUBLE_EQ(Option(values, BetCall, 30).Win, 1.0);
    // Seat 1 calls any bet from 36 to 60 and loses the showdown.
    for (int32_t bet = 36; bet <= 60; ++bet) {
        SCOPED_TRACE(bet);
        EXPECT_DOUBLE_EQ(Option(values, BetRaise, bet).Value, bet + 2.0);
        EXPECT_DOUBLE_EQ(Option(values, BetRaise, bet).Error, 0.0);
    }
    // From 61 on seat 1 drops: the human is alone and takes 30 + 1 + 1.
    for (int32_t bet = 61; bet <= 99; ++bet) {
        SCOPED_TRACE(bet);
        EXPECT_DOUBLE_EQ(Option(values, BetRaise, bet).Value, 32.0);
        EXPECT_DOUBLE_EQ(Option(values, BetRaise, bet).Win, 1.0);
    }
    // Seat 1 alone takes the pot after a drop: the human loses its 17 $.
    EXPECT_DOUBLE_EQ(Option(values, BetDrop, 17).Value, -17.0);
    EXPECT_EQ(values.Options[values.Best()].Option, (BetOption{BetRaise, 60}));
    EXPECT_DOUBLE_EQ(values.Options[values.Best()].Value, 62.0);
}

TEST(BetValues, TurnsOutOfOrderOrNotTheHumansTurnGiveNoFigures) {
    const std::atomic<bool> cancel{false};
    const auto valued = [&cancel](int32_t opener, std::vector<SeenTurn> turns) {
        return ValueBets(Situation("4S 4H 9D JC KS", "4S 4H 9D JC KS", {0, 3, 3, 3}, {}, opener,
                                   std::move(turns)),
                         5, cancel, Quick)
            .has_value();
    };
    EXPECT_TRUE(valued(1, {{1, BetCall, 1}, {2, BetCall, 1}, {3, BetCall, 1}}));
    // After a draw the turns start at seat WinnerDraw mod 4: seat 1.
    EXPECT_TRUE(valued(WinnerDraw, {{1, BetCall, 1}, {2, BetCall, 1}, {3, BetCall, 1}}));
    EXPECT_FALSE(valued(1, {{2, BetCall, 1}})) << "seat 2 before seat 1";
    EXPECT_FALSE(valued(1, {{1, BetCall, 1}, {2, BetCall, 1}})) << "seat 3's turn is next";
    EXPECT_FALSE(valued(1, {{1, BetCall, 1}, {2, BetCall, 1}, {3, BetDrop, 4}}))
        << "a drop that changed the bet";
    // No no-hand calls a raise to 50 at its first turn without a large raise to drop against:
    // seat 1's play cannot be matched and nothing is claimed.
    EXPECT_FALSE(valued(3, {{3, BetRaise, 2},
                            {0, BetRaise, 3},
                            {1, BetRaise, 99},
                            {2, BetCall, 99},
                            {3, BetCall, 99}}));
}

TEST(BetValues, SameSeedSameFiguresAndACancelGivesNone) {
    const BetSituation situation = Situation("7S 7H KD 9C 2S", "7S 7H 3D 5C JS", {0, 3, 2, 1},
                                             {1, 1, 2, 3}, 3, {{3, BetRaise, 5}});
    const std::atomic<bool> cancel{false};
    const BetValues first = ValueBets(situation, 9, cancel, Quick).value();
    const BetValues second = ValueBets(situation, 9, cancel, Quick).value();
    ASSERT_EQ(first.Options.size(), second.Options.size());
    for (std::size_t i = 0; i < first.Options.size(); ++i) {
        EXPECT_EQ(first.Options[i].Value, second.Options[i].Value) << i;
    }
    EXPECT_TRUE(first.Final);
    const std::atomic<bool> cancelled{true};
    EXPECT_FALSE(ValueBets(situation, 9, cancelled, Quick).has_value());
}

}  // namespace
}  // namespace kestrins
